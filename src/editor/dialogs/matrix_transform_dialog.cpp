#include "editor/dialogs/matrix_transform_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CMatrixTransformDialog::CMatrixTransformDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("matrixTransformDialog141"));
    setWindowTitle(tr("Matrix Transform"));

    auto* grid = new QGridLayout;
    const QString columns[] = {tr("W"), tr("L"), tr("H"), tr("C")};
    const QString rows[] = {tr("W="), tr("L="), tr("H=")};
    for (int column = 0; column < 4; ++column) {
        auto* label = new QLabel(columns[column], this);
        grid->addWidget(label, 0, column + 1, Qt::AlignHCenter);
    }
    const QSize editSize = qtshell::FromDialogUnits(fontMetrics(), 23, 14);
    for (int row = 0; row < 4; ++row) {
        if (row < 3) grid->addWidget(new QLabel(rows[row], this), row + 1, 0);
        for (int column = 0; column < 4; ++column) {
            const int index = row * 4 + column;
            QLineEdit* edit = MakeEdit(this, kM11 + index);
            edit->setFixedWidth(editSize.width());
            // The fourth row stands for the matrix's fixed last row and holds nothing.
            if (row < 3) {
                fields_[std::size_t(index)] = edit;
            } else {
                edit->setEnabled(false);
            }
            grid->addWidget(edit, row + 1, column + 1);
        }
    }

    grid->setColumnStretch(5, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeButton(this, kOk, tr("OK")));
    buttons->addWidget(MakeButton(this, kCancel, tr("Cancel")));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 182, 125));
}

void CMatrixTransformDialog::showEvent(QShowEvent* event) {
    // Each use starts from the values kept, not from what a cancelled use typed.
    if (!event->spontaneous()) {
        for (std::size_t i = 0; i < fields_.size(); ++i)
            ShowFloat(fields_[i], matrix_.m[i]);
    }
    QDialog::showEvent(event);
}

void CMatrixTransformDialog::accept() {
    FieldReader reader(*this);
    tools::TransformMatrix read;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        read.m[i] = reader.Float(fields_[i]);
    if (!reader.Succeeded()) return;
    matrix_ = read;
    QDialog::accept();
}

}  // namespace lumtrak::editor

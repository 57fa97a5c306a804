#include "editor/dialogs/divide_panel_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

// The dialog exists in English only.
CDividePanelDialog::CDividePanelDialog(QWidget* parent)
    : QDialog(parent),
      valueW_(MakeEdit(this, kW)),
      valueL_(MakeEdit(this, kL)),
      valueH_(MakeEdit(this, kH)) {
    setObjectName(QStringLiteral("dividePanelDialog142"));
    setWindowTitle(QStringLiteral("Divide Panel"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Divide At"), this), 0, 0, 1, 3);
    const struct {
        const char* label;
        QLineEdit* value;
        int radioId;
        const char* radioText;
        tools::DivideAxis axis;
    } rows[] = {{"W", valueW_, kWidth, "Width", tools::DivideAxis::W},
                {"L", valueL_, kLength, "Length", tools::DivideAxis::L},
                {"H", valueH_, kHeight, "Height", tools::DivideAxis::H}};
    int row = 1;
    for (const auto& axis : rows) {
        fields->addWidget(new QLabel(QString::fromLatin1(axis.label), this), row, 0);
        fields->addWidget(axis.value, row, 1);
        QRadioButton* radio =
            MakeRadioButton(this, axis.radioId, QString::fromLatin1(axis.radioText));
        connect(radio, &QRadioButton::clicked, this,
                [this, chosen = axis.axis] { axis_ = chosen; });
        fields->addWidget(radio, row, 2);
        ShowInteger(axis.value, 0);
        ++row;
    }
    fields->setRowStretch(fields->rowCount(), 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(OkCancelColumn(this, QStringLiteral("OK"), QStringLiteral("Cancel")));
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 162, 98));
}

void CDividePanelDialog::accept() {
    FieldReader reader(*this);
    tools::DivideParameters read;
    read.w = reader.Integer(valueW_);
    read.l = reader.Integer(valueL_);
    read.h = reader.Integer(valueH_);
    if (!reader.Succeeded()) return;
    read.axis = axis_;
    parameters_ = read;
    QDialog::accept();
}

}  // namespace lumtrak::editor

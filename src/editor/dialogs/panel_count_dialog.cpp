#include "editor/dialogs/panel_count_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CPanelCountDialog::CPanelCountDialog(const tools::PanelCounts& counts, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("panelCountDialog139"));
    setWindowTitle(tr("Panel count"));

    const struct {
        QString label;
        int id;
        std::int64_t value;
    } fields[] = {{tr("Q1"), kQ1, counts.q1},
                  {tr("Q2"), kQ2, counts.q2},
                  {tr("Q3"), kQ3, counts.q3},
                  {tr("Q4"), kQ4, counts.q4},
                  {tr("Total"), kTotal, counts.total}};
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& field : fields) {
        QLineEdit* edit = MakeEdit(this, field.id);
        ShowInteger(edit, field.value);
        fields_[row] = edit;
        grid->addWidget(new QLabel(field.label, this), row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(MakeButton(this, kOk, tr("OK")));
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 158, 81));
}

void CPanelCountDialog::accept() {
    // The counts are integer fields like any other: OK checks what they hold.
    FieldReader reader(*this);
    for (QLineEdit* field : fields_)
        reader.Integer(field);
    if (reader.Succeeded()) QDialog::accept();
}

}  // namespace lumtrak::editor

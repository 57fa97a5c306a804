#include "editor/dialogs/shift_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CShiftDialog::CShiftDialog(QWidget* parent)
    : QDialog(parent),
      offsetW_(MakeEdit(this, kW)),
      offsetL_(MakeEdit(this, kL)),
      offsetH_(MakeEdit(this, kH)),
      leaveOriginal_(MakeCheckBox(this, kLeaveOriginal, tr("Leave original"))),
      repeat_(MakeCheckBox(this, kRepeat, tr("Repeat:"))),
      repeatCount_(MakeEdit(this, kRepeatCount)) {
    setObjectName(QStringLiteral("shiftDialog131"));
    setWindowTitle(tr("Shift Selection"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Shift by:"), this), 0, 0, 1, 2);
    fields->addWidget(new QLabel(tr("W"), this), 1, 0);
    fields->addWidget(offsetW_, 1, 1);
    fields->addWidget(new QLabel(tr("L"), this), 2, 0);
    fields->addWidget(offsetL_, 2, 1);
    fields->addWidget(new QLabel(tr("H"), this), 3, 0);
    fields->addWidget(offsetH_, 3, 1);
    fields->addWidget(leaveOriginal_, 4, 0, 1, 2);
    auto* repeatRow = new QHBoxLayout;
    repeatRow->addWidget(repeat_);
    repeatRow->addWidget(repeatCount_);
    fields->addLayout(repeatRow, 5, 0, 1, 2);
    fields->setRowStretch(fields->rowCount(), 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(OkCancelColumn(this, tr("OK"), tr("Cancel")));

    for (QLineEdit* offset : {offsetW_, offsetL_, offsetH_})
        offset->setText(QStringLiteral("0"));
    ShowInteger(repeatCount_, parameters_.repeatCount);
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 162, 95));
}

void CShiftDialog::accept() {
    FieldReader reader(*this);
    tools::ShiftParameters read;
    read.offset = {reader.Text(offsetW_), reader.Text(offsetL_), reader.Text(offsetH_)};
    read.leaveOriginal = leaveOriginal_->isChecked();
    read.repeat = repeat_->isChecked();
    read.repeatCount = reader.Integer(repeatCount_);
    if (!reader.Succeeded()) return;
    parameters_ = read;
    QDialog::accept();
}

}  // namespace lumtrak::editor

#include "editor/dialogs/reflect_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CReflectDialog::CReflectDialog(QWidget* parent)
    : QDialog(parent),
      centreW_(MakeEdit(this, kW)),
      centreL_(MakeEdit(this, kL)),
      centreH_(MakeEdit(this, kH)),
      leaveOriginal_(MakeCheckBox(this, kLeaveOriginal, tr("Leave original"))),
      reflectW_(MakeCheckBox(this, kReflectW, tr("Reflect W"))),
      reflectL_(MakeCheckBox(this, kReflectL, tr("Reflect L"))),
      reflectH_(MakeCheckBox(this, kReflectH, tr("Reflect H"))) {
    setObjectName(QStringLiteral("reflectDialog132"));
    setWindowTitle(tr("Reflect Selection"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Reflection centre"), this), 0, 0, 1, 3);
    fields->addWidget(new QLabel(tr("W"), this), 1, 0);
    fields->addWidget(centreW_, 1, 1);
    fields->addWidget(reflectW_, 1, 2);
    fields->addWidget(new QLabel(tr("L"), this), 2, 0);
    fields->addWidget(centreL_, 2, 1);
    fields->addWidget(reflectL_, 2, 2);
    fields->addWidget(new QLabel(tr("H"), this), 3, 0);
    fields->addWidget(centreH_, 3, 1);
    fields->addWidget(reflectH_, 3, 2);
    fields->addWidget(leaveOriginal_, 4, 0, 1, 3);
    fields->setRowStretch(fields->rowCount(), 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(OkCancelColumn(this, tr("OK"), tr("Cancel")));

    for (QLineEdit* centre : {centreW_, centreL_, centreH_})
        centre->setText(QStringLiteral("0"));
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 162, 111));
}

void CReflectDialog::accept() {
    FieldReader reader(*this);
    parameters_.centre = {reader.Text(centreW_), reader.Text(centreL_), reader.Text(centreH_)};
    parameters_.leaveOriginal = leaveOriginal_->isChecked();
    parameters_.reflectW = reflectW_->isChecked();
    parameters_.reflectL = reflectL_->isChecked();
    parameters_.reflectH = reflectH_->isChecked();
    QDialog::accept();
}

}  // namespace lumtrak::editor

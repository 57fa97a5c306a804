#include "editor/dialogs/stretch_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CStretchDialog::CStretchDialog(QWidget* parent)
    : QDialog(parent),
      factorW_(MakeEdit(this, kW)),
      factorL_(MakeEdit(this, kL)),
      factorH_(MakeEdit(this, kH)),
      originW_(MakeEdit(this, kOriginW)),
      originL_(MakeEdit(this, kOriginL)),
      originH_(MakeEdit(this, kOriginH)),
      leaveOriginal_(MakeCheckBox(this, kLeaveOriginal, tr("Leave original"))),
      stretchW_(MakeCheckBox(this, kStretchW, tr("Stretch W"))),
      stretchL_(MakeCheckBox(this, kStretchL, tr("Stretch L"))),
      // The label reads as the dialog has always spelt it.
      stretchH_(MakeCheckBox(this, kStretchH, tr("Strecth H"))) {
    setObjectName(QStringLiteral("stretchDialog133"));
    setWindowTitle(tr("Stretch Selection"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Stretch factor"), this), 0, 1, 1, 2);
    fields->addWidget(new QLabel(tr("Origin"), this), 0, 3);
    const struct {
        QString axis;
        QLineEdit* factor;
        QLineEdit* origin;
        QCheckBox* stretch;
    } rows[] = {{tr("W"), factorW_, originW_, stretchW_},
                {tr("L"), factorL_, originL_, stretchL_},
                {tr("H"), factorH_, originH_, stretchH_}};
    int row = 1;
    for (const auto& axis : rows) {
        fields->addWidget(new QLabel(axis.axis, this), row, 0);
        fields->addWidget(axis.factor, row, 1);
        fields->addWidget(new QLabel(QStringLiteral("%"), this), row, 2);
        fields->addWidget(axis.origin, row, 3);
        fields->addWidget(axis.stretch, row, 4);
        axis.factor->setText(QStringLiteral("100"));
        axis.origin->setText(QStringLiteral("0"));
        ++row;
    }
    fields->addWidget(leaveOriginal_, row, 0, 1, 5);
    fields->setRowStretch(fields->rowCount(), 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(OkCancelColumn(this, tr("OK"), tr("Cancel")));
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 225, 111));
}

void CStretchDialog::accept() {
    FieldReader reader(*this);
    parameters_.factorPercent = {reader.Text(factorW_), reader.Text(factorL_),
                                 reader.Text(factorH_)};
    parameters_.origin = {reader.Text(originW_), reader.Text(originL_), reader.Text(originH_)};
    parameters_.leaveOriginal = leaveOriginal_->isChecked();
    parameters_.stretchW = stretchW_->isChecked();
    parameters_.stretchL = stretchL_->isChecked();
    parameters_.stretchH = stretchH_->isChecked();
    QDialog::accept();
}

}  // namespace lumtrak::editor

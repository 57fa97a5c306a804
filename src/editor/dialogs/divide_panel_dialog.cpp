#include "editor/dialogs/divide_panel_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CDividePanelDialog::CDividePanelDialog(QWidget* parent)
    : QDialog(parent),
      valueW_(MakeEdit(this, kW)),
      valueL_(MakeEdit(this, kL)),
      valueH_(MakeEdit(this, kH)) {
    setObjectName(QStringLiteral("dividePanelDialog142"));
    setWindowTitle(tr("Divide Panel"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Divide At"), this), 0, 0, 1, 3);
    const struct {
        QString label;
        QLineEdit* value;
        int radioId;
        QString radioText;
        tools::DivideAxis axis;
    } rows[] = {{tr("W"), valueW_, kWidth, tr("Width"), tools::DivideAxis::W},
                {tr("L"), valueL_, kLength, tr("Length"), tools::DivideAxis::L},
                {tr("H"), valueH_, kHeight, tr("Height"), tools::DivideAxis::H}};
    int row = 1;
    for (const auto& axis : rows) {
        fields->addWidget(new QLabel(axis.label, this), row, 0);
        fields->addWidget(axis.value, row, 1);
        QRadioButton* radio = MakeRadioButton(this, axis.radioId, axis.radioText);
        connect(radio, &QRadioButton::clicked, this,
                [this, chosen = axis.axis] { axis_ = chosen; });
        fields->addWidget(radio, row, 2);
        ShowInteger(axis.value, 0);
        ++row;
    }
    fields->setRowStretch(fields->rowCount(), 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(OkCancelColumn(this, tr("OK"), tr("Cancel")));
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

#include "editor/dialogs/cylinder_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "editor/dialogs/dialog_controls.h"
#include "qtshell/dialog_units.h"

namespace lumtrak::editor {

CCylinderDialog::CCylinderDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("cylinderDialog135"));
    setWindowTitle(tr("Cylinder"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(MakeEndGroup(tr("End A"), read_.endA,
                                   {kEndAW, kEndAL, kEndAH, kEndARadius, kEndASolid, kEndARed,
                                    kEndAGreen, kEndABlue, kEndASingleSided, kEndADoubleSided}));
    groups->addWidget(MakeEndGroup(tr("End B"), read_.endB,
                                   {kEndBW, kEndBL, kEndBH, kEndBRadius, kEndBSolid, kEndBRed,
                                    kEndBGreen, kEndBBlue, kEndBSingleSided, kEndBDoubleSided}));
    groups->addWidget(MakeMantleGroup());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeButton(this, kOk, tr("OK")));
    buttons->addWidget(MakeButton(this, kCancel, tr("Cancel")));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setMinimumSize(qtshell::FromDialogUnits(fontMetrics(), 222, 183));

    // The fields are read in the order of their ids, as the dialog has always
    // checked them.
    std::sort(integers_.begin(), integers_.end(),
              [](const IntegerBinding& a, const IntegerBinding& b) { return a.id < b.id; });
}

QLineEdit* CCylinderDialog::BindInteger(int id, std::int32_t& value, bool colour) {
    QLineEdit* edit = MakeEdit(this, id);
    integers_.push_back({id, edit, &value, colour});
    return edit;
}

QCheckBox* CCylinderDialog::BindCheck(int id, const QString& text, bool& value) {
    QCheckBox* box = MakeCheckBox(this, id, text);
    checks_.push_back({box, &value});
    return box;
}

void CCylinderDialog::AddLook(QGridLayout* grid, int row, tools::CylinderSurfaceLook& look, int red,
                              int green, int blue, int singleSided, int doubleSided) {
    const struct {
        QString label;
        int id;
        std::int32_t& value;
    } colours[] = {
        {tr("r"), red, look.red}, {tr("g"), green, look.green}, {tr("b"), blue, look.blue}};
    for (const auto& colour : colours) {
        grid->addWidget(new QLabel(colour.label, this), row, 0);
        grid->addWidget(BindInteger(colour.id, colour.value, true), row, 1);
        ++row;
    }
    auto* markers = new QHBoxLayout;
    markers->addWidget(BindCheck(singleSided, QStringLiteral("$"), look.singleSided));
    markers->addWidget(BindCheck(doubleSided, QStringLiteral("="), look.doubleSided));
    grid->addLayout(markers, row, 0, 1, 2);
}

QWidget* CCylinderDialog::MakeEndGroup(const QString& title, tools::CylinderEnd& end,
                                       const EndIds& ids) {
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    const struct {
        QString label;
        int id;
        std::int32_t& value;
    } numbers[] = {{tr("W"), ids.w, end.centre.x},
                   {tr("L"), ids.l, end.centre.y},
                   {tr("H"), ids.h, end.centre.z},
                   {tr("Radius"), ids.radius, end.radius}};
    int row = 0;
    for (const auto& number : numbers) {
        grid->addWidget(new QLabel(number.label, group), row, 0);
        grid->addWidget(BindInteger(number.id, number.value), row, 1);
        ++row;
    }
    grid->addWidget(BindCheck(ids.solid, tr("Solid"), end.solid), row++, 0, 1, 2);
    AddLook(grid, row, end.look, ids.red, ids.green, ids.blue, ids.singleSided, ids.doubleSided);
    return group;
}

QWidget* CCylinderDialog::MakeMantleGroup() {
    auto* group = new QGroupBox(tr("Cylinder"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(BindCheck(kMantle, tr("Cylinder"), read_.mantle), 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Steps"), group), 1, 0);
    grid->addWidget(BindInteger(kSteps, read_.steps), 1, 1);
    AddLook(grid, 2, read_.mantleLook, kMantleRed, kMantleGreen, kMantleBlue, kMantleSingleSided,
            kMantleDoubleSided);
    grid->setRowStretch(7, 1);
    return group;
}

void CCylinderDialog::showEvent(QShowEvent* event) {
    // Each use starts from the values kept, not from what a cancelled use typed.
    if (!event->spontaneous()) {
        read_ = parameters_;
        for (const IntegerBinding& field : integers_)
            ShowInteger(field.edit, *field.value);
        for (const CheckBinding& check : checks_)
            check.box->setChecked(*check.value);
    }
    QDialog::showEvent(event);
}

void CCylinderDialog::accept() {
    // The boxes first: which surfaces are on decides how many steps are allowed.
    for (const CheckBinding& check : checks_)
        *check.value = check.box->isChecked();
    FieldReader reader(*this);
    for (const IntegerBinding& field : integers_) {
        if (field.colour) {
            *field.value = reader.Integer(field.edit, 0, 255);
        } else if (field.value == &read_.steps) {
            *field.value = reader.Integer(field.edit, 0, tools::MostCylinderSteps(read_));
        } else {
            *field.value = reader.Integer(field.edit);
        }
    }
    if (!reader.Succeeded()) return;
    parameters_ = read_;
    QDialog::accept();
}

}  // namespace lumtrak::editor

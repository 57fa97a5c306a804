#include "editor/custom_material_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "editor/d3d_preview.h"
#include "editor/lumtrak_stock_editor_app.h"

namespace lumtrak::editor {

CustomMaterialDialog::CustomMaterialDialog(D3DPreview& preview)
    : QDialog(&preview), preview_(preview) {
    setWindowTitle(tr("Custom Material"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QGridLayout(this);
    const QString labels[] = {tr("Ambient Colour:"), tr("Emissive Colour:"), tr("Specular Colour:"),
                              tr("Specular power")};
    for (std::size_t i = 0; i < kFieldIds.size(); ++i) {
        const int row = int(i / 3);
        const int column = int(i % 3);
        if (column == 0) layout->addWidget(new QLabel(labels[row], this), row, 0);
        auto* field = new QLineEdit(QStringLiteral("0"), this);
        field->setObjectName(QString::number(kFieldIds[i]));
        field->setMaximumWidth(48);
        layout->addWidget(field, row, 1 + column);
    }
    auto* update = new QPushButton(tr("Update"), this);
    update->setDefault(true);
    update->setAutoDefault(true);
    connect(update, &QPushButton::clicked, this, &CustomMaterialDialog::OnUpdate);
    layout->addWidget(update, 4, 3);
}

QLineEdit* CustomMaterialDialog::Field(int id) const {
    return findChild<QLineEdit*>(QString::number(id));
}

bool CustomMaterialDialog::UpdateData(bool save) {
    if (!save) {
        for (std::size_t i = 0; i < kFieldIds.size(); ++i)
            Field(kFieldIds[i])->setText(QString::number(values_[i]));
        return true;
    }
    std::array<QByteArray, preview3d::kCustomMaterialFields> typed;
    std::array<std::string_view, preview3d::kCustomMaterialFields> texts;
    for (std::size_t i = 0; i < kFieldIds.size(); ++i) {
        typed[i] = Field(kFieldIds[i])->text().toLatin1();
        texts[i] = std::string_view(typed[i].constData(), std::size_t(typed[i].size()));
    }
    const auto refusal = preview3d::ExchangeCustomMaterial(texts, values_);
    if (!refusal) return true;
    QLineEdit* bad = Field(kFieldIds[static_cast<std::size_t>(refusal->field)]);
    const QString text = refusal->problem == preview3d::FieldProblem::OutOfRange
                             ? tr("Enter an integer between %1 and %2.")
                                   .arg(preview3d::kCustomMaterialMinimum)
                                   .arg(preview3d::kCustomMaterialMaximum)
                             : tr("Enter an integer.");
    if (report_) {
        report_(text);
    } else {
        QMessageBox::warning(this, CLumtrakStockEditorApp::Title(), text);
    }
    bad->setFocus();
    bad->selectAll();
    return false;
}

void CustomMaterialDialog::OnUpdate() {
    UpdateData(true);
    // What was exchanged before a refused field is applied all the same.
    if (auto* engine = preview_.Session().Engine()) {
        preview3d::ApplyCustomMaterial(engine->Materials(), values_);
    }
    preview_.Invalidate();
}

}  // namespace lumtrak::editor

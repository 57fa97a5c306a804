#include "editor/new_type_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/document_templates.h"

namespace lumtrak::editor {

NewTypeDialog::NewTypeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("newTypeDialog"));
    setWindowTitle(tr("New"));
    auto* label = new QLabel(tr("&New"), this);
    types_ = new QListWidget(this);
    types_->setObjectName(QStringLiteral("types"));
    label->setBuddy(types_);
    for (const DocumentTemplate& documentTemplate : RegisteredTemplates())
        types_->addItem(documentTemplate.ShownField(DocumentField::NewName));
    types_->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(types_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(types_);
    layout->addWidget(buttons);
}

std::optional<std::size_t> NewTypeDialog::Chosen() const {
    const int row = types_->currentRow();
    if (row < 0) return std::nullopt;
    return std::size_t(row);
}

}  // namespace lumtrak::editor

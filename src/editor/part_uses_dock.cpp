#include "editor/part_uses_dock.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/part_texts.h"

namespace lumtrak::editor {

PartUsesDock::PartUsesDock(QWidget* parent) : QDockWidget(tr("Uses of Part"), parent) {
    setObjectName(QStringLiteral("partUsesDock"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("partUsesList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("File"), tr("Line"), tr("Statement")});
    list_->header()->setStretchLastSection(true);
    setWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this, &PartUsesDock::OnActivated);
}

void PartUsesDock::ShowUses(const QString& name, parts::PartUses uses,
                            QList<QPointer<CLumtrakStockEditorDoc>> documents) {
    uses_ = std::move(uses);
    documents_ = std::move(documents);
    setWindowTitle(tr("Uses of \"%1\": %n found", nullptr, int(uses_.uses.size())).arg(name));
    list_->clear();
    for (std::size_t i = 0; i < uses_.uses.size(); ++i) {
        const parts::PartUse& use = uses_.uses[i];
        QString file = ShownPath(use.path);
        if (use.openText >= 0 && use.openText < documents_.size() && documents_[use.openText]) {
            if (use.path.empty()) file = documents_[use.openText]->GetTitle();
        }
        auto* item = new QTreeWidgetItem(
            list_, {file, QString::number(use.line), DefinitionText(use.lineText).trimmed()});
        item->setData(0, Qt::UserRole, qulonglong(i));
        item->setToolTip(0, QString::fromStdString(use.path));
    }
    for (int column = 0; column < 2; ++column)
        list_->resizeColumnToContents(column);
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
}

void PartUsesDock::OnActivated(QTreeWidgetItem* item) {
    if (!item) return;
    const auto index = std::size_t(item->data(0, Qt::UserRole).toULongLong());
    if (index >= uses_.uses.size()) return;
    const parts::PartUse& use = uses_.uses[index];
    CLumtrakStockEditorDoc* document = nullptr;
    if (use.openText >= 0 && use.openText < documents_.size()) document = documents_[use.openText];
    emit useActivated(use, document);
}

}  // namespace lumtrak::editor

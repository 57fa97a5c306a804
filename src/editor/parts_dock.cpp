#include "editor/parts_dock.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "editor/part_texts.h"
#include "model/part_statement.h"

namespace lumtrak::editor {
namespace {

enum Column { kName, kStatement, kFile, kLine };

}  // namespace

PartsDock::PartsDock(QWidget* parent) : QDockWidget(tr("Parts"), parent) {
    setObjectName(QStringLiteral("partsDock"));
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("partsTree"));
    tree_->setUniformRowHeights(true);
    tree_->setHeaderLabels({tr("Part"), tr("Statement"), tr("File"), tr("Line")});
    tree_->header()->setStretchLastSection(false);
    setWidget(tree_);
    connect(tree_, &QTreeWidget::itemClicked, this, &PartsDock::OnActivated);
    connect(tree_, &QTreeWidget::itemActivated, this, &PartsDock::OnActivated);
}

void PartsDock::Clear() {
    tree_->clear();
    places_.clear();
}

void PartsDock::ShowTree(const parts::PartTree& tree, const QString& textTitle) {
    Clear();
    auto* top = new QTreeWidgetItem(tree_, {DefinitionText(tree.name), QString(), textTitle,
                                            QString::number(tree.definition.line)});
    top->setData(kName, Qt::UserRole, qulonglong(places_.size()));
    places_.push_back(tree.definition);
    AddParts(top, tree.parts, textTitle);
    tree_->expandAll();
    // Names first: in a narrow dock the tree scrolls sideways rather than hide them.
    for (int column = kName; column <= kLine; ++column)
        tree_->resizeColumnToContents(column);
}

void PartsDock::AddParts(QTreeWidgetItem* parent, const std::vector<model::PartNode>& parts,
                         const QString& textTitle) {
    for (const model::PartNode& part : parts) {
        const model::TextPlace& place = part.definition ? *part.definition : part.written;
        const QString file = place.path.empty() ? textTitle : ShownPath(place.path);
        auto* item =
            new QTreeWidgetItem(parent, {DefinitionText(part.name), StatementText(part.statement),
                                         file, QString::number(place.line)});
        item->setData(kName, Qt::UserRole, qulonglong(places_.size()));
        places_.push_back(place);
        if (!part.definition) {
            item->setText(kFile, tr("not found"));
            item->setForeground(kFile, palette().brush(QPalette::Disabled, QPalette::Text));
            item->setText(kLine, QString::number(part.written.line));
        }
        // Wheels and moving parts turn in the 3D preview.
        if (part.statement == model::Statement::Wheel || model::IsMotion(part.statement)) {
            QFont font = item->font(kStatement);
            font.setBold(true);
            item->setFont(kStatement, font);
        }
        item->setToolTip(kFile, QString::fromStdString(place.path));
        AddParts(item, part.parts, textTitle);
    }
}

void PartsDock::OnActivated(QTreeWidgetItem* item) {
    if (!item) return;
    const auto index = std::size_t(item->data(kName, Qt::UserRole).toULongLong());
    if (index < places_.size()) emit placeActivated(places_[index]);
}

}  // namespace lumtrak::editor

#pragma once

#include <QDockWidget>
#include <vector>

#include "model/load_record.h"
#include "parts/part_tree.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace lumtrak::editor {

// The "Parts" dock: the tree of parts of the definition under the caret, as
// the loader places them: each part's name, its statement (wheels and motions
// marked so), the file and line of its definition. Clicking a part opens its
// definition, or its statement when the loader finds none.
class PartsDock : public QDockWidget {
    Q_OBJECT

  public:
    explicit PartsDock(QWidget* parent = nullptr);

    // textTitle names the loaded text (its document's title).
    void ShowTree(const parts::PartTree& tree, const QString& textTitle);
    void Clear();
    QTreeWidget& Tree() const { return *tree_; }

  signals:
    // A place to open; an empty path stands for the loaded text.
    void placeActivated(const model::TextPlace& place);

  private:
    void AddParts(QTreeWidgetItem* parent, const std::vector<model::PartNode>& parts,
                  const QString& textTitle);
    void OnActivated(QTreeWidgetItem* item);

    QTreeWidget* tree_ = nullptr;
    std::vector<model::TextPlace> places_;  // of the items, by their index
};

}  // namespace lumtrak::editor

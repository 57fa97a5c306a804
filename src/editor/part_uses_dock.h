#pragma once

#include <QDockWidget>
#include <QList>
#include <QPointer>
#include <vector>

#include "parts/part_uses.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace lumtrak::editor {

class CLumtrakStockEditorDoc;

// The dock that lists the uses of a part that Find Uses found, one a line by
// file and line; a double-click (or Enter) on one opens it.
class PartUsesDock : public QDockWidget {
    Q_OBJECT

  public:
    explicit PartUsesDock(QWidget* parent = nullptr);

    // documents: the open documents in the order of the search's open texts.
    void ShowUses(const QString& name, parts::PartUses uses,
                  QList<QPointer<CLumtrakStockEditorDoc>> documents);
    QTreeWidget& List() const { return *list_; }
    const std::vector<parts::PartUse>& Uses() const { return uses_.uses; }

  signals:
    // A use to open: in its open document when it has one (which may have
    // closed since: then null), else in its file.
    void useActivated(const parts::PartUse& use, CLumtrakStockEditorDoc* document);

  private:
    void OnActivated(QTreeWidgetItem* item);

    QTreeWidget* list_ = nullptr;
    parts::PartUses uses_;
    QList<QPointer<CLumtrakStockEditorDoc>> documents_;
};

}  // namespace lumtrak::editor

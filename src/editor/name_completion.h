#pragma once

#include <QObject>
#include <vector>

#include "parts/completion.h"
#include "parts/completion_context.h"

class QFrame;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumtrak::editor {

class CLumtrakStockEditorView;

// The completion list of a text view: the names of the parts that an
// "include", "tilt", "wheel" or motion may name (from the text and the "Stock
// Index", with their files), the ".bmp" files of the texture folders after a
// '"', and the loader's statement words at the start of a line, closest match
// first. It opens on Complete (Ctrl+Space), and by itself as a part's or a
// texture's name is typed; typing on narrows it, Up and Down choose, Enter or
// Tab (or a double-click) puts the chosen text in place of what was typed,
// Escape closes it.
class NameCompletion : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMostShown = 500;

    explicit NameCompletion(CLumtrakStockEditorView& view);
    ~NameCompletion() override;

    // Opens the list for the text before the caret; false, and no list, when
    // that asks for no completion.
    bool Complete();
    bool Showing() const;
    QTreeWidget& List() const { return *list_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Open(bool asked);
    void Refresh();
    void Show();
    void Accept(QTreeWidgetItem* item);
    void Hide();
    void OnCharacterAdded(int character);
    void MoveChoice(int rows);
    std::vector<parts::CompletionCandidate> Gather(parts::CompletionKind kind) const;

    CLumtrakStockEditorView& view_;
    QFrame* popup_ = nullptr;
    QTreeWidget* list_ = nullptr;
    parts::CompletionContext context_;
    std::vector<parts::CompletionCandidate> candidates_;  // of the open list, unranked
    std::vector<parts::CompletionCandidate> shown_;
    bool asked_ = false;
};

}  // namespace lumtrak::editor

#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <string>

#include "editor/command_target.h"
#include "editor/navigation_history.h"
#include "model/definition_text.h"
#include "model/load_record.h"

namespace lumtrak::editor {

class CLumtrakStockEditorApp;
class CLumtrakStockEditorDoc;
class CLumtrakStockEditorView;
class CMainFrame;
class PartUsesDock;
class PartsDock;
class PreviewFileWatch;

// Working across the parts of definitions in a main window: Go to Part (F12,
// Ctrl+click) with its Back and Forward, Find Uses of This Part, the "Parts"
// dock and name completion in every text view. The commands come through the
// main window's command chain.
class PartTools : public QObject, public CommandTarget {
    Q_OBJECT

  public:
    PartTools(CMainFrame& frame, CLumtrakStockEditorApp& app);
    ~PartTools() override;

    // Gives a new text view Ctrl+click and completion, and follows its caret.
    void AttachView(CLumtrakStockEditorView& view);

    // Opens the definition of the part that the statement at pos names, as
    // the loader finds it; true when one was opened.
    bool GoToPart(CLumtrakStockEditorView& view, model::Cursor pos);
    void GoBack();
    void GoForward();
    // Lists the uses of the part named on the caret's line.
    void FindUses(CLumtrakStockEditorView& view);

    PartsDock& Parts() const { return *partsDock_; }
    PartUsesDock& Uses() const { return *usesDock_; }
    // Reads the tree of the active view's definition into the Parts dock now.
    void UpdatePartsNow();

    bool OnCommand(Command command) override;
    std::optional<CommandState> CommandUpdate(Command command) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend struct PartToolCommands;

    void OnGoToPart();
    void OnFindPartUses();
    void OnUpdateNeedView(CommandState& state);
    void OnNavigateBack();
    void OnUpdateNavigateBack(CommandState& state);
    void OnNavigateForward();
    void OnUpdateNavigateForward(CommandState& state);
    void OnCompleteName();
    void OnViewParts();
    void OnUpdateViewParts(CommandState& state);

    TextPlaceInEditor PlaceOf(CLumtrakStockEditorView& view) const;
    // Shows a place: its window forward (the file opened again when the window
    // has gone) with the caret at position.
    void ShowPlace(const TextPlaceInEditor& place);
    CLumtrakStockEditorView* OpenFile(const std::string& path);
    void ShowPosition(CLumtrakStockEditorView& view, std::size_t position);
    void Say(const QString& text);
    // The Parts dock follows the caret of the active view a moment after it
    // moves, or its text or files change.
    void SchedulePartsUpdate();

    CMainFrame& frame_;
    CLumtrakStockEditorApp& app_;
    NavigationHistory history_;
    PartsDock* partsDock_ = nullptr;
    PartUsesDock* usesDock_ = nullptr;
    QTimer partsTimer_;
    PreviewFileWatch* partsFiles_ = nullptr;
    // What the Parts dock shows: the view and where its definition starts, and
    // whether its text changed since.
    QPointer<CLumtrakStockEditorView> partsView_;
    std::optional<model::Cursor> partsStart_;
    bool partsStale_ = true;
    bool partsDockSized_ = false;
};

}  // namespace lumtrak::editor

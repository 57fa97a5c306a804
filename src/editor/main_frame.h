#pragma once

#include <QList>
#include <QMainWindow>
#include <map>

#include "editor/command_target.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;

namespace lumtrak::editor {

class CChildFrame;
class CLumtrakStockEditorApp;
class CLumtrakStockEditorView;
class FindReplaceDialog;
class PartTools;
class ProblemsDock;

// The main window: the document windows in a multiple-document area, the menu
// bar of the active document's type, toolbar 128 and the status bar with its
// message pane and the CAP, NUM and SCRL indicators.
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT

  public:
    explicit CMainFrame(CLumtrakStockEditorApp& app);
    ~CMainFrame() override;

    // Creates the menus, the toolbar, the status bar and the accelerators.
    bool LoadFrame();

    QMdiArea& MdiArea() const { return *mdiArea_; }
    CChildFrame* MDIGetActive() const;
    CLumtrakStockEditorView* GetActiveView() const;
    void AddChildFrame(CChildFrame* frame);
    // Brings frame forward and gives its view the keyboard focus, activating
    // this window if it is not.
    void ActivateChildFrame(CChildFrame* frame);

    // Shows text in the status bar's message pane.
    void SetMessageText(const QString& text);
    QString MessageText() const;
    // Shows the message pane's idle text, "Ready".
    void SetIdleMessage();
    // Shows a long command's progress at once, although the command keeps the
    // event loop waiting: text in the message pane, and a bar at step of steps.
    void ShowProgress(const QString& text, int step, int steps);
    // Takes the bar away; the message pane says "Ready".
    void EndProgress();
    // The text of the command's menu item, without its mnemonic and
    // accelerator ("Shift", "Divide Panel(s)").
    QString CommandText(Command command) const;
    // The menu resource in the menu bar: 128 without a document, else that of
    // the active document's type.
    int MenuResourceShown() const { return menuShown_; }

    // Runs the command's handler in the first target that has one: the active
    // view, its document, this frame, the application.
    void ExecuteCommand(Command command);
    // The command's state from that same target; disabled when none handles it.
    CommandState StateOf(Command command);
    void UpdateCommandStates();

    void ShowFindReplace(CLumtrakStockEditorView& view, bool replace);
    // Go to Part, Find Uses, the Parts dock and completion.
    PartTools& Parts() const { return *partTools_; }
    ProblemsDock& Problems() const { return *problems_; }

    bool OnCommand(Command command) override;
    std::optional<CommandState> CommandUpdate(Command command) override;

  signals:
    // The main window closed: the application ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend struct MainFrameCommands;

    struct MenuBarSet {
        QList<QMenu*> menus;
        QMenu* fileMenu = nullptr;
        QAction* recentFilesPlace = nullptr;
        QList<QAction*> recentFileEntries;
    };

    void CreateMenuResource(int resource);
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    QAction* CreateCommandAction(Command command, const QString& text, QObject* parent);
    void ShowMenuResource(int resource);
    void UpdateRecentFileMenus();
    void ListWindowsIn(QMenu* windowMenu);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void UpdateFrameTitle();
    void UpdateLockIndicators(const QKeyEvent& event);

    void OnWindowNew();
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();
    void OnUpdateNeedWindow(CommandState& state);
    void OnViewToolbar();
    void OnUpdateViewToolbar(CommandState& state);
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CommandState& state);
    void OnViewProblems();
    void OnUpdateViewProblems(CommandState& state);
    void OnViewSyntaxColouring();
    void OnUpdateViewSyntaxColouring(CommandState& state);
    void OnNextPane();
    void OnPreviousPane();

    CLumtrakStockEditorApp& app_;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* capsIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrollIndicator_ = nullptr;
    bool scrollLock_ = false;
    std::map<int, MenuBarSet> menuSets_;
    int menuShown_ = 0;
    QList<QAction*> commandActions_;
    FindReplaceDialog* findReplace_ = nullptr;
    PartTools* partTools_ = nullptr;
    ProblemsDock* problems_ = nullptr;
    // The caption that UpdateFrameTitle gave this window.
    QString frameTitle_;
    bool frameModified_ = false;
};

}  // namespace lumtrak::editor

#include "editor/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "editor/child_frame.h"
#include "editor/command_prompts.h"
#include "editor/editor_icons.h"
#include "editor/find_replace_dialog.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/menus.h"
#include "editor/part_tools.h"
#include "editor/problems_dock.h"
#include "editor/syntax_colouring.h"

namespace lumtrak::editor {

struct MainFrameCommands {
    using F = CMainFrame;
    static constexpr CommandEntry<F> kTable[] = {
        {Command::WindowNew, &F::OnWindowNew, &F::OnUpdateNeedWindow},
        {Command::WindowCascade, &F::OnWindowCascade, &F::OnUpdateNeedWindow},
        {Command::WindowTile, &F::OnWindowTile, &F::OnUpdateNeedWindow},
        {Command::WindowArrange, &F::OnWindowArrange, &F::OnUpdateNeedWindow},
        {Command::ViewToolbar, &F::OnViewToolbar, &F::OnUpdateViewToolbar},
        {Command::ViewStatusBar, &F::OnViewStatusBar, &F::OnUpdateViewStatusBar},
        {Command::ViewProblems, &F::OnViewProblems, &F::OnUpdateViewProblems},
        {Command::ViewSyntaxColouring, &F::OnViewSyntaxColouring, &F::OnUpdateViewSyntaxColouring},
        {Command::NextPane, &F::OnNextPane, &F::OnUpdateNeedWindow},
        {Command::PreviousPane, &F::OnPreviousPane, &F::OnUpdateNeedWindow},
    };
};

namespace {

// The X11 key state bits of Caps Lock and (as usually mapped) Num Lock.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

const char* const kCommandProperty = "commandId";
const char* const kWindowEntryProperty = "windowEntry";

QLabel* Indicator(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 8);
    label->setProperty("indicatorText", text);
    return label;
}

void ShowIndicator(QLabel* label, bool on) {
    label->setText(on ? label->property("indicatorText").toString() : QString());
}

// "&1 name" for the recent-file menu, with long paths shortened in the middle.
QString RecentFileText(std::size_t index, const QString& path) {
    QString shown = path;
    const QString home = QDir::homePath();
    if (shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    constexpr qsizetype kLongest = 48;
    if (shown.size() > kLongest) {
        shown = shown.left(12) + QStringLiteral("...") + shown.right(kLongest - 15);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

CMainFrame::CMainFrame(CLumtrakStockEditorApp& app) : app_(app) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(ApplicationIcon());
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateCommandStates);
    connect(&app_, &CLumtrakStockEditorApp::recentFilesChanged, this,
            &CMainFrame::UpdateRecentFileMenus);
    qApp->installEventFilter(this);
    partTools_ = new PartTools(*this, app_);
    resize(900, 680);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // The document windows go first, while the frame that they report to is
    // whole; from here on it has none.
    delete std::exchange(mdiArea_, nullptr);
}

bool CMainFrame::LoadFrame() {
    for (int resource : {128, 129, 130, 131})
        CreateMenuResource(resource);
    CreateToolBar();
    problems_ = new ProblemsDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    problems_->hide();
    CreateStatusBar();
    CreateAccelerators();
    ShowMenuResource(128);
    UpdateRecentFileMenus();
    UpdateFrameTitle();
    UpdateCommandStates();
    return true;
}

CChildFrame* CMainFrame::MDIGetActive() const {
    // The current window stays the active document also while the program
    // itself is not active (a menu or another program has the focus).
    return mdiArea_ ? qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow()) : nullptr;
}

CLumtrakStockEditorView* CMainFrame::GetActiveView() const {
    CChildFrame* frame = MDIGetActive();
    return frame ? frame->GetActiveView() : nullptr;
}

void CMainFrame::AddChildFrame(CChildFrame* frame) {
    mdiArea_->addSubWindow(frame);
    CLumtrakStockEditorView* view = frame->GetActiveView();
    connect(view, &CLumtrakStockEditorView::commandStatesMayChange, this,
            &CMainFrame::UpdateCommandStates);
    partTools_->AttachView(*view);
    connect(&frame->GetDocument(), &CLumtrakStockEditorDoc::captionChanged, this,
            &CMainFrame::UpdateFrameTitle);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateFrameTitle);
    const auto count = int(mdiArea_->subWindowList().size());
    if (count == 1) {
        frame->showMaximized();
    } else {
        // Each new window a little below and right of the one before.
        const QSize area = mdiArea_->viewport()->size();
        frame->resize(area.width() * 3 / 4, area.height() * 3 / 4);
        const int step = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
        const int steps = std::max(1, (area.height() / 4) / std::max(1, step));
        frame->move(((count - 1) % steps) * step, ((count - 1) % steps) * step);
        frame->show();
    }
    ActivateChildFrame(frame);
    OnSubWindowActivated(frame);
}

void CMainFrame::ActivateChildFrame(CChildFrame* frame) {
    mdiArea_->setActiveSubWindow(frame);
    // A dialog that asked for the document (New, Open) has just closed, and
    // nothing gives the activation back to this window by itself: without it
    // the keys go nowhere until the text is clicked.
    if (isVisible() && !isActiveWindow()) activateWindow();
    frame->widget()->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::SetMessageText(const QString& text) {
    messagePane_->setText(text);
}

QString CMainFrame::MessageText() const {
    return messagePane_->text();
}

void CMainFrame::SetIdleMessage() {
    messagePane_->setText(tr("Ready"));
}

void CMainFrame::ShowProgress(const QString& text, int step, int steps) {
    messagePane_->setText(text);
    progressBar_->setRange(0, steps);
    progressBar_->setValue(step);
    progressBar_->show();
    statusBar()->repaint();
}

void CMainFrame::EndProgress() {
    progressBar_->hide();
    SetIdleMessage();
}

QString CMainFrame::CommandText(Command command) const {
    for (const auto& [resource, set] : menuSets_) {
        for (const QMenu* menu : set.menus) {
            for (const QAction* action : menu->actions()) {
                if (action->property(kCommandProperty).toInt() != int(command)) continue;
                return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
            }
        }
    }
    return QString::fromLatin1(CommandName(command));
}

void CMainFrame::ExecuteCommand(Command command) {
    if (CLumtrakStockEditorView* view = GetActiveView()) {
        if (view->OnCommand(command)) return UpdateCommandStates();
        if (view->GetDocument().OnCommand(command)) return UpdateCommandStates();
    }
    if (OnCommand(command) || partTools_->OnCommand(command) || app_.OnCommand(command)) {
        UpdateCommandStates();
    }
}

CommandState CMainFrame::StateOf(Command command) {
    std::optional<CommandState> state;
    if (CLumtrakStockEditorView* view = GetActiveView()) {
        state = view->CommandUpdate(command);
        if (!state) state = view->GetDocument().CommandUpdate(command);
    }
    if (!state) state = CommandUpdate(command);
    if (!state) state = partTools_->CommandUpdate(command);
    if (!state) state = app_.CommandUpdate(command);
    return state.value_or(CommandState{false, std::nullopt});
}

void CMainFrame::UpdateCommandStates() {
    std::map<Command, CommandState> states;
    for (QAction* action : commandActions_) {
        const auto command = Command(action->property(kCommandProperty).toInt());
        auto known = states.find(command);
        if (known == states.end()) known = states.emplace(command, StateOf(command)).first;
        const CommandState& state = known->second;
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked.has_value());
        if (state.checked) action->setChecked(*state.checked);
    }
}

void CMainFrame::ShowFindReplace(CLumtrakStockEditorView& view, bool replace) {
    if (!findReplace_) findReplace_ = new FindReplaceDialog(this);
    findReplace_->Open(view, replace);
}

bool CMainFrame::OnCommand(Command command) {
    return DispatchCommand<CMainFrame>(*this, MainFrameCommands::kTable, command);
}

std::optional<CommandState> CMainFrame::CommandUpdate(Command command) {
    return UpdateCommand<CMainFrame>(*this, MainFrameCommands::kTable, command);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!app_.SaveAllModified()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    emit closed();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A maximized document window writes its caption and its modified state
    // into this window's, and puts back what it found when it closes; the
    // caption stays this window's own.
    const bool changedByOthers =
        (event->type() == QEvent::WindowTitleChange && windowTitle() != frameTitle_) ||
        (event->type() == QEvent::ModifiedChange && isWindowModified() != frameModified_);
    if (changedByOthers) UpdateFrameTitle();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        UpdateLockIndicators(*static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::UpdateLockIndicators(const QKeyEvent& event) {
    if (event.type() == QEvent::KeyPress && event.key() == Qt::Key_ScrollLock &&
        !event.isAutoRepeat()) {
        scrollLock_ = !scrollLock_;
    }
    ShowIndicator(scrollIndicator_, scrollLock_);
    // Only X11 reports the lock keys with the key events; elsewhere the
    // indicators stay blank.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    const quint32 state = event.nativeModifiers();
    ShowIndicator(capsIndicator_, state & kX11LockMask);
    ShowIndicator(numIndicator_, state & kX11NumLockMask);
}

QAction* CMainFrame::CreateCommandAction(Command command, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(CommandName(command)));
    action->setProperty(kCommandProperty, int(command));
    action->setStatusTip(CommandPromptText(command));
    connect(action, &QAction::triggered, this, [this, command] { ExecuteCommand(command); });
    commandActions_.append(action);
    return action;
}

void CMainFrame::CreateMenuResource(int resource) {
    auto text = [](const char* source) {
        return QCoreApplication::translate(kMenuContext, source);
    };
    MenuBarSet& set = menuSets_[resource];
    for (const MenuDefinition& definition : MenuResource(resource)) {
        auto* menu = new QMenu(text(definition.title), this);
        menu->setObjectName(QStringLiteral("menu%1.%2").arg(resource).arg(set.menus.size()));
        for (const MenuItem& item : definition.items) {
            if (item.command == Command::None) {
                menu->addSeparator();
            } else if (item.command == Command::FileMru1) {
                set.fileMenu = menu;
                set.recentFilesPlace = menu->addAction(text(item.text));
                set.recentFilesPlace->setEnabled(false);
            } else {
                menu->addAction(CreateCommandAction(item.command, text(item.text), menu));
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        if (definition.items.front().command == Command::WindowNew) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { ListWindowsIn(menu); });
        }
        set.menus.append(menu);
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(16, 15));
    for (const ToolbarButton& button : ToolbarResource()) {
        if (button.command == Command::None) {
            toolBar_->addSeparator();
            continue;
        }
        const QString tip = QCoreApplication::translate(kMenuContext, button.tooltip);
        QAction* action = CreateCommandAction(button.command, tip, toolBar_);
        action->setIcon(QIcon(QString::fromLatin1(button.icon)));
        action->setToolTip(tip);
        toolBar_->addAction(action);
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    messagePane_ = new QLabel(tr("Ready"), bar);
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(messagePane_, 1);
    progressBar_ = new QProgressBar(bar);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setTextVisible(false);
    progressBar_->setMaximumWidth(160);
    progressBar_->hide();
    bar->addWidget(progressBar_);
    capsIndicator_ = Indicator(tr("CAP"), bar);
    capsIndicator_->setObjectName(QStringLiteral("capIndicator"));
    numIndicator_ = Indicator(tr("NUM"), bar);
    numIndicator_->setObjectName(QStringLiteral("numIndicator"));
    scrollIndicator_ = Indicator(tr("SCRL"), bar);
    scrollIndicator_->setObjectName(QStringLiteral("scrlIndicator"));
    bar->addPermanentWidget(&problems_->CountLabel());
    for (QLabel* indicator : {capsIndicator_, numIndicator_, scrollIndicator_})
        bar->addPermanentWidget(indicator);
}

void CMainFrame::CreateAccelerators() {
    std::map<Command, QAction*> actions;
    for (const Accelerator& accelerator : AcceleratorResource()) {
        QAction*& action = actions[accelerator.command];
        if (!action) {
            action = new QAction(this);
            action->setObjectName(QStringLiteral("accelerator.") +
                                  QString::fromLatin1(CommandName(accelerator.command)));
            action->setShortcutContext(Qt::WindowShortcut);
            const Command command = accelerator.command;
            connect(action, &QAction::triggered, this, [this, command] {
                if (StateOf(command).enabled) ExecuteCommand(command);
            });
            addAction(action);
        }
        QList<QKeySequence> keys = action->shortcuts();
        keys.append(accelerator.keys);
        action->setShortcuts(keys);
    }
}

void CMainFrame::ShowMenuResource(int resource) {
    if (menuShown_ == resource) return;
    menuShown_ = resource;
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QMenu* menu : menuSets_[resource].menus)
        bar->addMenu(menu);
}

void CMainFrame::UpdateRecentFileMenus() {
    const auto& entries = app_.RecentFiles().Entries();
    for (auto& [resource, set] : menuSets_) {
        for (QAction* entry : std::exchange(set.recentFileEntries, {})) {
            commandActions_.removeAll(entry);
            delete entry;
        }
        set.recentFilesPlace->setVisible(entries.empty());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            QAction* entry = CreateCommandAction(
                RecentFileCommand(int(i)), RecentFileText(i, QString::fromStdString(entries[i])),
                set.fileMenu);
            set.fileMenu->insertAction(set.recentFilesPlace, entry);
            set.recentFileEntries.append(entry);
        }
    }
}

void CMainFrame::ListWindowsIn(QMenu* windowMenu) {
    for (QAction* action : windowMenu->actions()) {
        if (action->property(kWindowEntryProperty).toBool()) delete action;
    }
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (windows.isEmpty()) return;
    windowMenu->addSeparator()->setProperty(kWindowEntryProperty, true);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QString title = window->windowTitle().replace(QStringLiteral("[*]"), QString());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        entry->setProperty(kWindowEntryProperty, true);
        entry->setStatusTip(tr("Activate this window"));
        if (window == mdiArea_->currentSubWindow()) {
            entry->setCheckable(true);
            entry->setChecked(true);
        }
        connect(entry, &QAction::triggered, this,
                [this, window] { mdiArea_->setActiveSubWindow(window); });
    }
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow*) {
    CChildFrame* frame = MDIGetActive();
    ShowMenuResource(frame ? frame->GetDocument().GetDocTemplate().resource : 128);
    if (problems_) problems_->ShowView(GetActiveView());
    UpdateFrameTitle();
    UpdateCommandStates();
}

void CMainFrame::UpdateFrameTitle() {
    // The program's name, then the active window's document: its window's
    // caption in brackets while that window fills the area, else its title.
    // The modified mark belongs to the document.
    QString title = CLumtrakStockEditorApp::Title();
    bool modified = false;
    if (CChildFrame* frame = MDIGetActive()) {
        title += frame->isMaximized()
                     ? QStringLiteral(" - [%1[*]]").arg(frame->Caption())
                     : QStringLiteral(" - %1[*]").arg(frame->GetDocument().GetTitle());
        modified = frame->GetDocument().IsModified();
    } else {
        // A place for the mark that a document window may set while it goes.
        title += QStringLiteral("[*]");
    }
    frameTitle_ = title;
    frameModified_ = modified;
    setWindowTitle(title);
    setWindowModified(modified);
}

void CMainFrame::OnWindowNew() {
    if (CLumtrakStockEditorView* view = GetActiveView()) {
        app_.CreateNewFrame(view->GetDocument(), view);
    }
}

void CMainFrame::OnWindowCascade() {
    mdiArea_->cascadeSubWindows();
}

void CMainFrame::OnWindowTile() {
    mdiArea_->tileSubWindows();
}

void CMainFrame::OnWindowArrange() {
    // The minimized windows line up along the bottom edge, left to right.
    int x = 0;
    int rowBottom = mdiArea_->viewport()->height();
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized()) continue;
        if (x > 0 && x + window->width() > mdiArea_->viewport()->width()) {
            x = 0;
            rowBottom -= window->height();
        }
        window->move(x, rowBottom - window->height());
        x += window->width();
    }
}

void CMainFrame::OnUpdateNeedWindow(CommandState& state) {
    state.enabled = MDIGetActive() != nullptr;
}

void CMainFrame::OnViewToolbar() {
    toolBar_->setVisible(toolBar_->isHidden());
}

void CMainFrame::OnUpdateViewToolbar(CommandState& state) {
    state.checked = !toolBar_->isHidden();
}

void CMainFrame::OnViewStatusBar() {
    statusBar()->setVisible(statusBar()->isHidden());
}

void CMainFrame::OnUpdateViewStatusBar(CommandState& state) {
    state.checked = !statusBar()->isHidden();
}

void CMainFrame::OnViewProblems() {
    problems_->Toggle();
}

void CMainFrame::OnUpdateViewProblems(CommandState& state) {
    state.checked = !problems_->isHidden();
}

void CMainFrame::OnViewSyntaxColouring() {
    SyntaxColouring& colouring = SyntaxColouring::Setting();
    colouring.Set(!colouring.IsOn(), app_.Settings());
}

void CMainFrame::OnUpdateViewSyntaxColouring(CommandState& state) {
    state.checked = SyntaxColouring::Setting().IsOn();
}

void CMainFrame::OnNextPane() {
    mdiArea_->activateNextSubWindow();
}

void CMainFrame::OnPreviousPane() {
    mdiArea_->activatePreviousSubWindow();
}

}  // namespace lumtrak::editor

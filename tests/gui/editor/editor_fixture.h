#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <memory>

#include "editor/child_frame.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/preview2d_dialog.h"
#include "platform/settings_store.h"

namespace lumtrak::editor {

// An editor started as the program starts it, with settings in memory, no
// hand-over socket, and the New dialog answered by newType.
struct EditorUnderTest {
    explicit EditorUnderTest(std::optional<std::size_t> newType = std::nullopt, QString socket = {})
        : app(settings, std::move(socket)) {
        app.SetNewTypeChooser([this, newType] {
            ++newDialogs;
            return newType;
        });
    }

    CLumtrakStockEditorApp::StartUp Start(const QStringList& files = {}) {
        return app.InitInstance({files, {}});
    }

    CMainFrame& Frame() { return *app.MainFrame(); }
    CLumtrakStockEditorView& View() { return *Frame().GetActiveView(); }
    CLumtrakStockEditorDoc& Document() { return View().GetDocument(); }

    platform::MemorySettingsStore settings;
    CLumtrakStockEditorApp app;
    int newDialogs = 0;
};

// A menu item's text without its mnemonic and accelerator ("&Open...\tCtrl+O"
// gives "Open...").
inline QString PlainText(const QAction* action) {
    return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

inline QStringList MenuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles << PlainText(action);
    return titles;
}

inline QMenu* MenuOf(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (PlainText(action) == title) return action->menu();
    }
    return nullptr;
}

// The item texts of a menu in the menu bar, separators left out.
inline QStringList MenuItems(CMainFrame& frame, const QString& title) {
    QStringList items;
    QMenu* menu = MenuOf(frame, title);
    if (!menu) return {QStringLiteral("no menu ") + title};
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isVisible()) items << PlainText(action);
    }
    return items;
}

inline QAction* MenuAction(CMainFrame& frame, const QString& title, const QString& name) {
    QMenu* menu = MenuOf(frame, title);
    if (!menu) return nullptr;
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name) return action;
    }
    return nullptr;
}

// A 2D preview that counts its drawings. (A change of focus repaints a button
// and the window behind it, but not the drawing.)
class CountingPreview : public CPreview2DDlg {
  public:
    CountingPreview() {
        connect(this, &CPreview2DDlg::drawn, this, [this] { ++paints; });
    }
    int paints = 0;
};

inline std::string_view AsBytes(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

}  // namespace lumtrak::editor

namespace lumtrak::tools {

// How QCOMPARE shows a selection that differs.
inline char* toString(const Selection& selection) {
    return qstrdup(QStringLiteral("[%1, %2)").arg(selection.start).arg(selection.end).toUtf8());
}

}  // namespace lumtrak::tools

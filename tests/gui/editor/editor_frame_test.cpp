// The main window in use: where the keyboard focus goes when a document
// opens, the captions of the document windows, and the prompts on the status
// bar.
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "editor/editor_fixture.h"
#include "editor/new_type_dialog.h"
#include "support/modal_windows.h"
#include "support/qt_text.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {

using testing::Q;

using testing::TempFolder;
using testing::WhenModalOpens;

namespace {

// An editor that asks for the type of a new document with the real New
// dialog, started without a document, its main window active.
struct EditorWithoutDocument {
    EditorWithoutDocument() {
        editor.app.SetNewTypeChooser(nullptr);
        WhenModalOpens<NewTypeDialog>([](NewTypeDialog* dialog) { dialog->reject(); });
        editor.Start();
        editor.Frame().activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&editor.Frame()));
    }
    EditorUnderTest editor;
};

// Answers the New dialog that the next action opens with Enter: its first
// type, "Lumtrak Stock".
void AnswerNewWithEnter() {
    WhenModalOpens<NewTypeDialog>(
        [](NewTypeDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
}

QAction* ToolbarAction(CMainFrame& frame, const char* name) {
    for (QAction* action : frame.findChild<QToolBar*>("toolBar")->actions()) {
        if (action->objectName() == QLatin1String(name)) return action;
    }
    return nullptr;
}

// Whether the active document's text view has the keyboard focus: what is
// typed goes into it and the accelerators reach the main window.
bool ViewHasFocus(EditorUnderTest& editor) {
    CLumtrakStockEditorView* view = editor.Frame().GetActiveView();
    return view && QApplication::focusWidget() == view;
}

// The main window's caption as the window system shows it, modified marks
// put in.
QString ShownCaption(CMainFrame& frame) {
    return frame.windowHandle() ? frame.windowHandle()->title() : QStringLiteral("no window");
}

}  // namespace

class EditorFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aNewDocumentTakesTheFocusWhateverAskedForIt() {
        {
            EditorWithoutDocument started;
            EditorUnderTest& editor = started.editor;
            AnswerNewWithEnter();
            QTest::keyClick(&editor.Frame(), Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(editor.app.Documents().size(), 1);
            QTRY_VERIFY(ViewHasFocus(editor));

            // Typing and the accelerators work without a click into the text.
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("fill"));
            QCOMPARE(editor.View().Text(), std::string_view("fill"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(editor.View().Text(), std::string_view(""));
        }
        {
            // The toolbar's button, with all documents closed first.
            EditorWithoutDocument started;
            EditorUnderTest& editor = started.editor;
            AnswerNewWithEnter();
            ToolbarAction(editor.Frame(), "fileNew")->trigger();
            editor.Document().OnCloseDocument();
            QTRY_VERIFY(editor.app.Documents().isEmpty());
            AnswerNewWithEnter();
            auto* toolbar = editor.Frame().findChild<QToolBar*>("toolBar");
            QTest::mouseClick(toolbar->widgetForAction(ToolbarAction(editor.Frame(), "fileNew")),
                              Qt::LeftButton);
            QCOMPARE(editor.app.Documents().size(), 1);
            QTRY_VERIFY(ViewHasFocus(editor));
        }
    }

    void anOpenedDocumentTakesTheFocus() {
        TempFolder temp;
        const QString first = Q(temp.Write("first.stk", "name first\r\n"));
        const QString second = Q(temp.Write("second.stc", "name second\r\n"));
        EditorWithoutDocument started;
        EditorUnderTest& editor = started.editor;
        WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
            dialog->selectFile(first);
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::keyClick(&editor.Frame(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor.app.Documents().size(), 1);
        QTRY_VERIFY(ViewHasFocus(editor));

        // From the recent-file list, while the first document has the focus.
        editor.app.AddToRecentFileList(second);
        editor.Frame().ExecuteCommand(Command::FileMru1);
        QCOMPARE(editor.Document().GetPathName(), second);
        QTRY_VERIFY(ViewHasFocus(editor));
        // Opening a file that is open already brings its window forward, focused.
        editor.app.OpenDocumentFile(first);
        QCOMPARE(editor.Document().GetPathName(), first);
        QTRY_VERIFY(ViewHasFocus(editor));
    }

    void theCaptionShowsTheActiveViewWithOneModifiedMark() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CMainFrame& frame = editor.Frame();
        QCOMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor - [Lumtrak1]"));
        QTest::keyClicks(&editor.View(), QStringLiteral("x"));
        QTRY_COMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor - [Lumtrak1*]"));

        // Two views of the document: each closed in turn leaves the other's caption.
        for (const bool closeTheNewOne : {true, false}) {
            CLumtrakStockEditorView& first = editor.View();
            frame.ExecuteCommand(Command::WindowNew);
            CLumtrakStockEditorView& second = editor.View();
            QTRY_COMPARE(ShownCaption(frame),
                         QStringLiteral("Lumtrak Stock Editor - [Lumtrak1:2*]"));
            frame.MdiArea().setActiveSubWindow(CChildFrame::Of(first));
            QTRY_COMPARE(ShownCaption(frame),
                         QStringLiteral("Lumtrak Stock Editor - [Lumtrak1:1*]"));
            frame.MdiArea().setActiveSubWindow(CChildFrame::Of(second));
            CChildFrame::Of(closeTheNewOne ? second : first)->close();
            QTRY_COMPARE(editor.Document().Views().size(), 1);
            QTRY_COMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor - [Lumtrak1*]"));
        }

        // A window that does not fill the area: the document's title.
        frame.ExecuteCommand(Command::WindowTile);
        QTRY_COMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor - Lumtrak1*"));
        CChildFrame::Of(editor.View())->showMaximized();
        QTRY_COMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor - [Lumtrak1*]"));

        // Another document, and back; saved, the mark goes.
        editor.app.OpenNewDocument(RegisteredTemplates()[1]);
        QTRY_COMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor - [Lumtrak1]"));
        QCOMPARE(editor.Document().GetTitle(), QStringLiteral("Lumtrak1"));  // scenery's first
        editor.app.Documents().front()->SetModifiedFlag(false);
        frame.MdiArea().activatePreviousSubWindow();
        QTRY_COMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor - [Lumtrak1]"));

        // Without a document, the program's name alone.
        for (CLumtrakStockEditorDoc* document : editor.app.Documents())
            document->OnCloseDocument();
        QTRY_VERIFY(editor.app.Documents().isEmpty());
        QTRY_COMPARE(ShownCaption(frame), QStringLiteral("Lumtrak Stock Editor"));
    }

    void menuItemsAndButtonsShowTheirCommandsPromptOnTheStatusBar() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CMainFrame& frame = editor.Frame();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        auto promptOnHover = [&](const QString& menuTitle, const char* name) {
            QMenu* menu = MenuOf(frame, menuTitle);
            QAction* action = MenuAction(frame, menuTitle, name);
            if (!menu || !action) return QStringLiteral("no item ") + name;
            frame.menuBar()->setActiveAction(menu->menuAction());
            if (!QTest::qWaitForWindowExposed(menu)) return QStringLiteral("no menu shown");
            QTest::mouseMove(menu, menu->actionGeometry(action).center());
            const QString prompt = frame.statusBar()->currentMessage();
            menu->hide();
            return prompt;
        };
        QCOMPARE(promptOnHover("File", "fileNew"), QStringLiteral("Create a new document"));
        QCOMPARE(promptOnHover("Tools", "cylinders"),
                 QStringLiteral("Insert the panels of a cylinder or cone at the caret"));
        QCOMPARE(promptOnHover("Translations", "imperialToMetric"),
                 QStringLiteral("Multiply the points of the selected panels by 3"));

        // Every command has one, the same in the menus and on the toolbar.
        for (QAction* action : frame.findChildren<QAction*>()) {
            const QVariant command = action->property("commandId");
            if (!command.isValid()) continue;
            QVERIFY2(!action->statusTip().isEmpty(), qPrintable(action->objectName()));
        }
        QAction* button = ToolbarAction(frame, "fileNew");
        QCOMPARE(button->statusTip(), QStringLiteral("Create a new document"));
        QCOMPARE(button->toolTip(), QStringLiteral("New"));
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorFrameTest)
#include "editor_frame_test.moc"

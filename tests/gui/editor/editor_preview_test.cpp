// The 2D preview window and the Preview menu, on an editor under the offscreen
// platform.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <string>

#include "editor/editor_fixture.h"
#include "editor/preview2d_dialog.h"
#include "support/modal_windows.h"

namespace lumtrak::editor {
namespace {

// Two definitions, each with one big square facing the front.
constexpr std::string_view kTwoDefinitions =
    "name First\r\nlength 100\r\nfill -300/0/0 300/0/0 300/0/300 -300/0/300 255:0:0\r\n[end]\r\n"
    "name Second\r\nlength 100\r\nfill -300/0/0 300/0/0 300/0/300 -300/0/300 0:255:0\r\n[end]\r\n";

// Parts P0 to P{levels - 1}, each including the next one twice: far more
// includes than one load may resolve.
std::string FanOut(int levels) {
    std::string text = "name Top\r\ninclude 0 0 0 P0\r\n[end]\r\n";
    for (int i = 0; i + 1 < levels; ++i) {
        const std::string next = "include 0 0 0 P" + std::to_string(i + 1) + "\r\n";
        text += "name P" + std::to_string(i) + "\r\n" + next + next + "[end]\r\n";
    }
    return text + "name P" + std::to_string(levels - 1) +
           "\r\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\r\n[end]\r\n";
}

QPushButton* Button(CPreview2DDlg& preview, int id) {
    return preview.findChild<QPushButton*>(QString::number(id));
}

// Whether the preview's bitmap has a pixel of that colour anywhere.
bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
        }
    }
    return false;
}

class EditorPreviewTest : public QObject {
    Q_OBJECT

    // Opens the preview of the active view through the Preview menu.
    static CPreview2DDlg& ShowPreview(EditorUnderTest& editor) {
        editor.Frame().ExecuteCommand(Command::ShowPreview);
        CPreview2DDlg* preview = editor.View().m_pPreview2D;
        if (!preview) qFatal("no preview window");
        return *preview;
    }

    // Closes the preview and then, before the window is gone, the view.
    static void CloseThePreviewThenItsView(EditorUnderTest& editor) {
        CLumtrakStockEditorView& view = editor.View();
        view.LoadText(FanOut(24));  // a note on the status bar to take back
        QPointer<CPreview2DDlg> preview = &ShowPreview(editor);
        QTRY_VERIFY(!preview->LastBitmap().isNull());
        view.ClosePreview2D();
        delete CChildFrame::Of(view);
        QTRY_VERIFY(preview.isNull());
    }

  private slots:
    void thePreviewDrawsTheDefinitionUnderTheCaretAndFollowsTyping() {
        testing::ModalWatchdog watchdog;
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        view.LoadText(kTwoDefinitions);
        const std::size_t inSecond = kTwoDefinitions.find("name Second") + 11;
        view.SetSelection({inSecond, inSecond});

        CPreview2DDlg& preview = ShowPreview(editor);
        QVERIFY(preview.isVisible());
        QCOMPARE(preview.View(), &view);
        QCOMPARE(preview.objectName(), QStringLiteral("preview2DDlg130"));
        QTRY_COMPARE(preview.windowTitle(), QStringLiteral("Second"));
        QVERIFY(HasColour(preview.LastBitmap(), qRgb(0, 255, 0)));
        QVERIFY(!HasColour(preview.LastBitmap(), qRgb(255, 0, 0)));

        // Typing goes into the name, and the next drawing shows it.
        QTest::keyClicks(&view, QStringLiteral("Z"));
        QTRY_COMPARE(preview.windowTitle(), QStringLiteral("SecondZ"));
        QVERIFY(view.m_bTextChanged);

        // The caret in the first definition draws that one; a definition
        // without a name leaves an empty caption.
        view.SetSelection({3, 3});
        preview.Invalidate();
        QTRY_COMPARE(preview.windowTitle(), QStringLiteral("First"));
        QVERIFY(HasColour(preview.LastBitmap(), qRgb(255, 0, 0)));
        view.LoadText("fill -300/0/0 300/0/0 300/0/300 -300/0/300 1:2:3\r\n");
        QTest::keyClick(&view, Qt::Key_End);
        QTRY_COMPARE(preview.windowTitle(), QString());
        QVERIFY(HasColour(preview.LastBitmap(), qRgb(1, 2, 3)));
    }

    void rotateAndAnimateShareOneTimer() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        CPreview2DDlg& preview = ShowPreview(editor);
        QVERIFY(!preview.TimerRunning());

        editor.Frame().ExecuteCommand(Command::Rotate);
        QVERIFY(view.m_bRotate && preview.Rotating() && preview.TimerRunning());
        // "F" stops the turning and shows the front.
        QTest::mouseClick(Button(preview, CPreview2DDlg::kLeft), Qt::LeftButton);
        QCOMPARE(preview.Direction(), preview2d::ViewDirection::Left);
        QTest::mouseClick(Button(preview, CPreview2DDlg::kFront), Qt::LeftButton);
        QCOMPARE(preview.Direction(), preview2d::ViewDirection::Front);
        QVERIFY(!preview.Rotating() && !preview.TimerRunning());
        QVERIFY(view.m_bRotate);  // the menu's flag is the view's own
        // The Rotate button starts it again and releases "F".
        QTest::mouseClick(Button(preview, CPreview2DDlg::kRotate), Qt::LeftButton);
        QVERIFY(preview.Rotating() && preview.TimerRunning());
        QVERIFY(!Button(preview, CPreview2DDlg::kFront)->isChecked());

        // Animate on keeps the timer; Animate off stops it although Rotate
        // is still on, and only a new off-to-on change starts it again.
        editor.Frame().ExecuteCommand(Command::Animate);
        QVERIFY(preview.Animating() && preview.TimerRunning());
        editor.Frame().ExecuteCommand(Command::Animate);
        QVERIFY(preview.Rotating() && !preview.TimerRunning());
        editor.Frame().ExecuteCommand(Command::Rotate);
        QVERIFY(!preview.Rotating() && !preview.TimerRunning());
        editor.Frame().ExecuteCommand(Command::Animate);
        QVERIFY(preview.TimerRunning());
    }

    void directionButtonsActHoweverTheyAreChecked() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CPreview2DDlg& preview = ShowPreview(editor);
        // An assistive tool's toggle checks the button without a click.
        const auto toggle = [&](int id) {
            QAccessibleInterface* button =
                QAccessible::queryAccessibleInterface(Button(preview, id));
            QVERIFY(button && button->actionInterface());
            button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        };
        toggle(CPreview2DDlg::kLeft);
        QVERIFY(Button(preview, CPreview2DDlg::kLeft)->isChecked());
        QCOMPARE(preview.Direction(), preview2d::ViewDirection::Left);
        Button(preview, CPreview2DDlg::kBack)->setChecked(true);
        QCOMPARE(preview.Direction(), preview2d::ViewDirection::Back);
        toggle(CPreview2DDlg::kRotate);
        QVERIFY(preview.Rotating() && preview.TimerRunning());
        // Another direction releases Rotate and stops the turning.
        QTest::keyClick(Button(preview, CPreview2DDlg::kRight), Qt::Key_Space);
        QCOMPARE(preview.Direction(), preview2d::ViewDirection::Right);
        QVERIFY(!preview.Rotating() && !preview.TimerRunning());
        // Turning started from the menu is stopped by pressing the direction
        // button that is checked already.
        editor.Frame().ExecuteCommand(Command::Rotate);
        QVERIFY(preview.Rotating());
        QTest::mouseClick(Button(preview, CPreview2DDlg::kRight), Qt::LeftButton);
        QVERIFY(!preview.Rotating() && !preview.TimerRunning());
    }

    void thePreviewOpensBesideTheMainWindowAndReopensWhereItWasLeft() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        QPointer<CPreview2DDlg> preview = &ShowPreview(editor);
        const QSize designed = preview->size();
        const QRect area = preview->screen()->availableGeometry();
        // Placed by its frame's corner and its inner size.
        QVERIFY(area.contains(QRect(preview->pos(), designed)));
        preview->move(area.right() - designed.width() - 10, area.top() + 20);
        const QPoint left = preview->pos();
        view.ClosePreview2D();
        QTRY_VERIFY(preview.isNull());
        QCOMPARE(QString::fromStdString(editor.settings.values.at({"Preview2D", "Position"})),
                 QStringLiteral("%1 %2").arg(left.x()).arg(left.y()));
        preview = &ShowPreview(editor);
        QCOMPARE(preview->pos(), left);
        QCOMPARE(preview->size(), designed);
        view.ClosePreview2D();
        QTRY_VERIFY(preview.isNull());

        // A place off the screen (a screen that is gone) is brought back onto it.
        editor.settings.Write("Preview2D", "Position", "5000 -300");
        preview = &ShowPreview(editor);
        QCOMPARE(preview->pos(), QPoint(area.right() + 1 - designed.width(), area.top()));
        QCOMPARE(preview->size(), designed);
    }

    void whiteChangesTheBackgroundAtTheNextRepaint() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CPreview2DDlg& preview = ShowPreview(editor);
        QTRY_VERIFY(!preview.LastBitmap().isNull());
        QCOMPARE(preview.LastBitmap().pixel(0, 0) & 0xFFFFFF, 0u);
        auto* white = preview.findChild<QCheckBox*>(QString::number(CPreview2DDlg::kWhite));
        white->setChecked(true);
        QCOMPARE(preview.LastBitmap().pixel(0, 0) & 0xFFFFFF, 0u);
        preview.Invalidate();
        QTRY_COMPARE(preview.LastBitmap().pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    }

    void showPreviewTwiceClosesTheWindowAndTheFlagsOutliveIt() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        CMainFrame& frame = editor.Frame();
        for (Command flag : {Command::Rotate, Command::HighlightCurrentPanel, Command::Animate,
                             Command::ShowAxis}) {
            QCOMPARE(frame.StateOf(flag).checked, std::optional<bool>(false));
            frame.ExecuteCommand(flag);
            QCOMPARE(frame.StateOf(flag).checked, std::optional<bool>(true));
        }
        QCOMPARE(frame.StateOf(Command::ShowPreview).checked, std::optional<bool>(false));
        QVERIFY(!frame.StateOf(Command::SingleLine).enabled);

        // A new window gets Rotate and Highlight; Animate and Show Axis start off.
        QPointer<CPreview2DDlg> preview = &ShowPreview(editor);
        QCOMPARE(frame.StateOf(Command::ShowPreview).checked, std::optional<bool>(true));
        QVERIFY(preview->Rotating() && preview->Highlighting());
        QVERIFY(!preview->Animating() && !preview->ShowingAxis());
        QVERIFY(preview->TimerRunning());

        frame.ExecuteCommand(Command::ShowPreview);
        QVERIFY(view.m_pPreview2D == nullptr);
        QTRY_VERIFY(preview.isNull());
        QCOMPARE(frame.StateOf(Command::ShowPreview).checked, std::optional<bool>(false));
        QVERIFY(view.m_bRotate && view.m_bHighlight && view.m_bAnimate && view.m_bShowAxis);

        // Enter in the window closes it through the view, as closing it does.
        preview = &ShowPreview(editor);
        QTest::keyClick(preview.data(), Qt::Key_Return);
        QVERIFY(view.m_pPreview2D == nullptr);
        QTRY_VERIFY(preview.isNull());
        preview = &ShowPreview(editor);
        preview->close();
        QVERIFY(view.m_pPreview2D == nullptr);
        QTRY_VERIFY(preview.isNull());
    }

    void aClosedWindowThatOutlivesItsViewDoesNoHarm() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CloseThePreviewThenItsView(editor);
    }

    void theLoadersNoteShowsInTheStatusBarWhileThatDefinitionIsDrawn() {
        testing::ModalWatchdog watchdog;
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        const std::string fanOut = FanOut(24);
        view.LoadText(fanOut + std::string(kTwoDefinitions));
        auto* pane = editor.Frame().findChild<QLabel*>(QStringLiteral("messagePane"));
        CPreview2DDlg& preview = ShowPreview(editor);
        QTRY_COMPARE(preview.windowTitle(), QStringLiteral("Top"));
        QVERIFY(pane->text().startsWith(QStringLiteral("include budget spent")));
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        // Another definition under the caret: the note goes.
        view.SetSelection({fanOut.size() + 3, fanOut.size() + 3});
        preview.Invalidate();
        QTRY_COMPARE(preview.windowTitle(), QStringLiteral("First"));
        QCOMPARE(pane->text(), QStringLiteral("Ready"));
    }

    void aLoaderMessageOpensOneBoxNotOneAtEveryRepaint() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        // A fill that runs past the end of the text.
        view.LoadText("name Cut\r\nfill 1/2/3 4/5/6");
        int boxes = 0;
        QString shown;
        testing::WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            ++boxes;
            shown = box->text();
            box->accept();
        });
        CPreview2DDlg& preview = ShowPreview(editor);
        editor.Frame().ExecuteCommand(Command::Rotate);  // repaints ten times a second
        QTRY_COMPARE(boxes, 1);
        QCOMPARE(shown, QStringLiteral("ReadP overrun: Cut"));
        QTest::qWait(400);
        QVERIFY(preview.TimerRunning());
        QCOMPARE(boxes, 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

}  // namespace
}  // namespace lumtrak::editor

QTEST_MAIN(lumtrak::editor::EditorPreviewTest)
#include "editor_preview_test.moc"

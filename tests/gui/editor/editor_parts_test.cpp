// Working across parts in the editor, on a copy of the sample package: Go to
// Part and back, Find Uses, the Parts dock, name completion, and previews that
// draw anew when a part's file changes on disk.
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <string>

#include "editor/d3d_preview.h"
#include "editor/editor_fixture.h"
#include "editor/name_completion.h"
#include "editor/part_tools.h"
#include "editor/part_uses_dock.h"
#include "editor/parts_dock.h"
#include "editor/preview_file_watch.h"
#include "platform/program_folder.h"
#include "support/modal_windows.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {
namespace {

using testing::TempFolder;

// The sample package copied into a folder of the test's own, as the program
// folder while the test runs.
struct SamplePackage {
    SamplePackage() {
        std::filesystem::copy(LUMTRAK_SAMPLES_DIR, folder.Path(),
                              std::filesystem::copy_options::recursive);
        platform::SetProgramFolderOverride(folder.Path().string());
    }
    ~SamplePackage() { platform::SetProgramFolderOverride({}); }

    QString Path(const char* relative) const { return QString::fromStdString(folder / relative); }
    std::string Real(const char* relative) const {
        return std::filesystem::canonical(folder / relative).string();
    }

    TempFolder folder;
};

QString Status(CMainFrame& frame) {
    return frame.findChild<QLabel*>(QStringLiteral("messagePane"))->text();
}

std::string RealPathOf(const CLumtrakStockEditorView& view) {
    return std::filesystem::canonical(view.GetDocument().GetPathName().toStdString()).string();
}

long LineOf(CLumtrakStockEditorView& view) {
    return view.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                              static_cast<unsigned long>(view.CurrentSelection().start));
}

QStringList Column(const QTreeWidget& tree, int column) {
    QStringList texts;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it)
        texts << (*it)->text(column);
    return texts;
}

void ActivateMainWindow(EditorUnderTest& editor) {
    editor.Frame().activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(&editor.Frame()));
}

class EditorPartsTest : public QObject {
    Q_OBJECT

  private slots:
    void f12OpensThePartAtItsNameLineAndAltLeftReturns() {
        testing::ModalWatchdog watchdog;
        SamplePackage package;
        EditorUnderTest editor;
        editor.Start({package.Path("Stock/Locomotives/Class40.stk")});
        ActivateMainWindow(editor);
        CLumtrakStockEditorView& loco = editor.View();
        const std::string text(loco.Text());
        const std::size_t onName = text.find("include 0 450 0 !Class 40 bogie") + 20;
        loco.SetSelection({onName, onName});

        QTest::keyClick(&loco, Qt::Key_F12);
        CLumtrakStockEditorView* bogie = &editor.View();
        QVERIFY(bogie != &loco);
        QCOMPARE(RealPathOf(*bogie), package.Real("Stock/Parts/bogie.stk"));
        QCOMPARE(LineOf(*bogie), 2L);  // "name Class 40 bogie", after two comment lines
        QVERIFY(Status(editor.Frame()).contains(QStringLiteral("line 3")));

        // The bogie's wheel goes on to the axle; Back comes home in two steps.
        const std::string bogieText(bogie->Text());
        const std::size_t onWheel = bogieText.find("wheel 0 -35");
        bogie->SetSelection({onWheel, onWheel});
        QTest::keyClick(bogie, Qt::Key_F12);
        QCOMPARE(RealPathOf(editor.View()), package.Real("Stock/Parts/axle.stk"));
        QTest::keyClick(&editor.View(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(&editor.View(), bogie);
        QCOMPARE(bogie->CurrentSelection().start, onWheel);
        QTest::keyClick(bogie, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(&editor.View(), &loco);
        QCOMPARE(loco.CurrentSelection().start, onName);
        QVERIFY(!MenuAction(editor.Frame(), "Edit", "navigateBack")->isEnabled());
        // Forward again, then Ctrl+click on the other include.
        QTest::keyClick(&loco, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(&editor.View(), bogie);
        QTest::keyClick(bogie, Qt::Key_Left, Qt::AltModifier);
        const std::size_t otherInclude = text.find("include 0 150 0 Class 40 bogie") + 18;
        const QPoint at(int(loco.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0ul,
                                               long(otherInclude))),
                        int(loco.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0ul,
                                               long(otherInclude))) +
                            2);
        QTest::mouseClick(loco.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        QCOMPARE(&editor.View(), bogie);

        // A name that the loader finds nowhere: the status bar says so, and
        // nothing moves.
        editor.app.OpenDocumentFile(package.Path("Stock/Locomotives/Class40.stk"));
        loco.LoadText("name X\r\ninclude 0 0 0 Class 99 bogie\r\n[end]\r\n");
        loco.SetSelection({20, 20});
        editor.Frame().ExecuteCommand(Command::GoToPart);
        QCOMPARE(&editor.View(), &loco);
        QCOMPARE(Status(editor.Frame()),
                 QStringLiteral("No definition named \"Class 99 bogie\" in this text or in "
                                "\"Stock Index\" [include-not-found]"));
        loco.SetSelection({2, 2});
        editor.Frame().ExecuteCommand(Command::GoToPart);
        QVERIFY(Status(editor.Frame()).startsWith(QStringLiteral("The caret is not on")));
    }

    void findUsesListsTheIncludesByFileAndLineAndOpensThem() {
        testing::ModalWatchdog watchdog;
        SamplePackage package;
        EditorUnderTest editor;
        editor.Start({package.Path("Stock/Parts/bogie.stk")});
        CLumtrakStockEditorView& bogie = editor.View();
        const std::size_t onName = std::string(bogie.Text()).find("name Class 40 bogie") + 8;
        bogie.SetSelection({onName, onName});
        editor.Frame().ExecuteCommand(Command::FindPartUses);

        PartUsesDock& dock = editor.Frame().Parts().Uses();
        QVERIFY(dock.isVisible());
        QCOMPARE(Column(dock.List(), 0),
                 (QStringList{"Stock/Locomotives/Class40.stk", "Stock/Locomotives/Class40.stk"}));
        QCOMPARE(Column(dock.List(), 1), (QStringList{"24", "25"}));
        QCOMPARE(dock.List().topLevelItem(1)->text(2),
                 QStringLiteral("include 0 450 0 !Class 40 bogie"));
        QVERIFY(Status(editor.Frame()).startsWith(QStringLiteral("\"Class 40 bogie\": 2 uses")));

        emit dock.List().itemActivated(dock.List().topLevelItem(1), 0);
        QCOMPARE(RealPathOf(editor.View()), package.Real("Stock/Locomotives/Class40.stk"));
        QCOMPARE(LineOf(editor.View()), 24L);

        // Not on a name line.
        editor.View().SetSelection({0, 0});
        editor.Frame().ExecuteCommand(Command::FindPartUses);
        QCOMPARE(Status(editor.Frame()), QStringLiteral("The caret is not on a \"name\" line."));
    }

    void thePartsDockShowsTheTreeOfTheDefinitionUnderTheCaret() {
        testing::ModalWatchdog watchdog;
        SamplePackage package;
        EditorUnderTest editor;
        editor.Start({package.Path("Stock/Locomotives/Class40.stk")});
        editor.Frame().ExecuteCommand(Command::ViewParts);
        PartsDock& dock = editor.Frame().Parts().Parts();
        QVERIFY(dock.isVisible());
        QCOMPARE(Column(dock.Tree(), 0),
                 (QStringList{"Class 40", "Class 40 bogie", "Class 40 axle", "Class 40 axle",
                              "!Class 40 bogie", "Class 40 axle", "Class 40 axle"}));
        QCOMPARE(Column(dock.Tree(), 1),
                 (QStringList{"", "include", "wheel", "wheel", "include", "wheel", "wheel"}));
        QCOMPARE(Column(dock.Tree(), 2)[1], QStringLiteral("Stock/Parts/bogie.stk"));
        QCOMPARE(Column(dock.Tree(), 3)[2], QStringLiteral("4"));  // after three comment lines

        // A click opens the part; the dock follows the caret into it.
        QTreeWidgetItem* axle = dock.Tree().topLevelItem(0)->child(0)->child(0);
        emit dock.Tree().itemClicked(axle, 0);
        QCOMPARE(RealPathOf(editor.View()), package.Real("Stock/Parts/axle.stk"));
        QTRY_COMPARE(dock.Tree().topLevelItem(0)->text(0), QStringLiteral("Class 40 axle"));
        QCOMPARE(dock.Tree().topLevelItemCount(), 1);
    }

    void completionOffersThePartsOfTheIndexAndTheText() {
        testing::ModalWatchdog watchdog;
        SamplePackage package;
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        ActivateMainWindow(editor);
        CLumtrakStockEditorView& view = editor.View();
        view.LoadText("name Close coupling\r\n[end]\r\nname X\r\ninclude 0 0 0 Cl");
        view.SetSelection({view.Text().size(), view.Text().size()});
        editor.Frame().ExecuteCommand(Command::CompleteName);

        auto* completion = view.findChild<NameCompletion*>();
        QVERIFY(completion && completion->Showing());
        const QStringList names = Column(completion->List(), 0);
        QVERIFY2(names.contains(QStringLiteral("Class 40 bogie")), qPrintable(names.join('|')));
        QCOMPARE(names.first(), QStringLiteral("Class 40"));  // the closest: shortest first
        QVERIFY(names.contains(QStringLiteral("Close coupling")));
        QCOMPARE(Column(completion->List(), 1)[names.indexOf("Class 40 bogie")],
                 QStringLiteral("Stock/Parts/bogie.stk"));

        // Typing narrows the list; Enter puts the chosen name in.
        QTest::keyClicks(&view, QStringLiteral("ass 40 b"));
        QTRY_COMPARE(Column(completion->List(), 0).first(), QStringLiteral("Class 40 bogie"));
        QTest::keyClick(&view, Qt::Key_Return);
        QVERIFY(!completion->Showing());
        QVERIFY(std::string(view.Text()).ends_with("include 0 0 0 Class 40 bogie"));

        // Typing a name opens the list by itself; Escape closes it.
        QTest::keyClicks(&view, QStringLiteral("\rwheel 0 0 0 1 2 A"));
        QVERIFY(completion->Showing());
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!completion->Showing());
        // A statement word at the start of a line.
        QTest::keyClicks(&view, QStringLiteral("\rwhe"));
        QVERIFY(completion->Showing());
        QCOMPARE(Column(completion->List(), 0), (QStringList{"wheel", "wheelbase"}));
    }

    void aPartFileWrittenOnDiskDrawsTheOpenPreviewAgainOnce() {
        testing::ModalWatchdog watchdog;
        SamplePackage package;
        EditorUnderTest editor;
        editor.Start({package.Path("Stock/Locomotives/Class40.stk")});
        CLumtrakStockEditorView& loco = editor.View();
        auto* preview = new CountingPreview;
        preview->SetView(&loco);
        loco.m_pPreview2D = preview;
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        const QString bogie = QString::fromStdString(package.Real("Stock/Parts/bogie.stk"));
        QTRY_VERIFY(preview->FileWatch().Watched().contains(bogie));
        QVERIFY(preview->FileWatch().Watched().contains(
            QString::fromStdString(package.Real("Stock Index"))));
        QTest::qWait(100);  // whatever showing the window repaints

        // A burst of writes: one drawing.
        preview->paints = 0;
        std::string bytes = testing::ReadFileBytes(bogie.toStdString());
        bytes += "\n";
        package.folder.Write("Stock/Parts/bogie.stk", bytes);
        package.folder.Write("Stock/Parts/bogie.stk", bytes + " ");
        QTRY_COMPARE_WITH_TIMEOUT(preview->paints, 1, 2000);
        QTest::qWait(300);
        QCOMPARE(preview->paints, 1);

        // A save from the editor itself, which puts a new file in its place.
        CLumtrakStockEditorDoc* part = editor.app.OpenDocumentFile(bogie);
        QVERIFY(part);
        part->Views().front()->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, 1ul, "\n");
        preview->paints = 0;
        QVERIFY(part->DoSave(bogie));
        QTRY_COMPARE_WITH_TIMEOUT(preview->paints, 1, 2000);
        // Still watched by its path after the drawing that followed.
        QTRY_VERIFY(preview->FileWatch().Watched().contains(bogie));
        preview->paints = 0;
        package.folder.Write("Stock/Parts/bogie.stk", bytes);
        QTRY_COMPARE_WITH_TIMEOUT(preview->paints, 1, 2000);
    }

    void theThreeDPreviewBuildsAnewWhenAPartOrATextureChanges() {
        testing::ModalWatchdog watchdog;
        SamplePackage package;
        EditorUnderTest editor;
        editor.Start({package.Path("Stock/Locomotives/Class40.stk")});
        CLumtrakStockEditorView& loco = editor.View();
        loco.OnCommand(Command::D3DPreview);
        D3DPreview* preview = loco.m_pD3DPreview;
        QVERIFY(preview);
        preview->resize(320, 240);
        QVERIFY(QTest::qWaitFor([&] { return preview->Session().Engine() != nullptr; }, 5000));
        const QStringList watched = preview->FileWatch().Watched();
        for (const char* file : {"Stock Index", "Stock/Parts/bogie.stk", "Stock/Parts/axle.stk",
                                 "Textures/grille.bmp", "Textures/numberplate#.bmp"}) {
            QVERIFY2(watched.contains(QString::fromStdString(package.Real(file))), file);
        }

        // A texture written again (the same bytes): the scene is built anew.
        const preview3d::ScenePart* before = preview->Session().TopPart();
        const std::string grille = package.Real("Textures/grille.bmp");
        package.folder.Write("Textures/grille.bmp", testing::ReadFileBytes(grille));
        QTRY_VERIFY_WITH_TIMEOUT(preview->Session().TopPart() != before, 2000);
    }
};

}  // namespace
}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorPartsTest)
#include "editor_parts_test.moc"

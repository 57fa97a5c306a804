// The stock index commands of the editor's Tools menu, on an editor under the
// offscreen platform with a program folder of its own.
#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <filesystem>
#include <string>

#include "editor/editor_fixture.h"
#include "editor/required_files_dialog.h"
#include "platform/program_folder.h"
#include "support/modal_windows.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

// The program folder of a test, given back when the test ends.
struct ProgramFolderIn {
    explicit ProgramFolderIn(const TempFolder& folder) {
        platform::SetProgramFolderOverride(folder.Path().string());
    }
    ~ProgramFolderIn() { platform::SetProgramFolderOverride({}); }
};

class EditorIndexTest : public QObject {
    Q_OBJECT

  private slots:
    void theIndexCommandsWriteTheIndexInTheProgramFolder() {
        testing::ModalWatchdog watchdog;
        TempFolder temp;
        const std::string x = temp.Write("Stock/A/x.stk", "name X\r\n[end]\r\n");
        std::filesystem::create_directories(temp.Path() / "Stock" / "B");
        const ProgramFolderIn programFolder(temp);
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CMainFrame& frame = editor.Frame();
        auto* pane = frame.findChild<QLabel*>(QStringLiteral("messagePane"));

        frame.ExecuteCommand(Command::RebuildStockIndex);
        const std::string rebuilt =
            "NODE\r\nA\r\nX\t" + x + "\r\nEnd NODE\r\nNODE\r\nB\r\n" + "End NODE\r\nEnd NODE\r\n";
        QCOMPARE(ReadFileBytes(temp / "Stock Index"), rebuilt);
        QCOMPARE(pane->text(), QStringLiteral("Stock Index complete"));
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // The update puts the document's names on top and drops their old
        // entries.
        const std::string y = temp.Write("y.stk", "name Y\r\n[end]\r\nname X\r\n[end]\r\n");
        editor.app.OpenDocumentFile(QString::fromStdString(y));
        frame.ExecuteCommand(Command::UpdateStockIndex);
        QCOMPARE(ReadFileBytes(temp / "Stock Index"),
                 "#####\r\nNODE\r\nUpdate\r\nY\t" + y + "\r\nX\t" + y +
                     "\r\nEnd NODE\r\n#####\r\nNODE\r\nA\r\nEnd NODE\r\nNODE\r\nB\r\n" +
                     "End NODE\r\nEnd NODE\r\n");
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!std::filesystem::exists(temp / "Stock Index.new"));
    }

    void listRequiredFilesShowsTheFilesOfTheDefinitionUnderTheCaret() {
        testing::ModalWatchdog watchdog;
        TempFolder temp;
        const ProgramFolderIn programFolder(temp);
        temp.Write("Stock Index", "Bogie\t/somewhere/Bogies.stk\r\n");
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        const std::string text =
            "name One\r\nfill 0/0/0 1/1/1 2/2/2 3/3/3 \"one.bmp\"\r\n[end]\r\n"
            "name Two\r\ninclude 0 0 0 Bogie\r\nfill 0/0/0 1/1/1 2/2/2 3/3/3 \"two.bmp\"\r\n"
            "fill 0/0/0 1/1/1 2/2/2 3/3/3 \"two.bmp\"\r\n[end]\r\n";
        view.LoadText(text);
        view.SetSelection({text.find("Two"), text.find("Two")});
        QString shown;
        QString title;
        testing::WhenModalOpens<CRequiredFilesDialog>([&](CRequiredFilesDialog* dialog) {
            shown = dialog->Text();
            title = dialog->windowTitle();
            dialog->accept();
        });
        editor.Frame().ExecuteCommand(Command::ListRequiredFiles);
        QCOMPARE(title, QStringLiteral("Required Files"));
        QCOMPARE(shown, QStringLiteral("Bogies.stk\n\ttwo.bmp\n"));
        QCOMPARE(view.Text(), std::string_view(text));
    }

    void theIndexCommandsAreOnTheStockMenuOnly() {
        EditorUnderTest editor(std::size_t(1));  // scenery
        editor.Start();
        const QStringList tools = MenuItems(editor.Frame(), QStringLiteral("Tools"));
        QVERIFY(!tools.contains(QStringLiteral("Update Stock index")));
        QVERIFY(!tools.contains(QStringLiteral("List required Files")));
    }
};

}  // namespace
}  // namespace lumtrak::editor

QTEST_MAIN(lumtrak::editor::EditorIndexTest)
#include "editor_index_test.moc"

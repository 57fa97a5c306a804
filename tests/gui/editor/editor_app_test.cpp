#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

#include "editor/about_dialog.h"
#include "editor/editor_fixture.h"
#include "editor/single_instance.h"
#include "lumtrak_version.h"
#include "support/modal_windows.h"
#include "support/qt_text.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {

using testing::Q;

using testing::TempFolder;
using testing::WhenModalOpens;

namespace {

const QStringList kFileWithDocument = {"New",         "Open...",       "Close",
                                       "Save",        "Save As...",    "Export 3D Model...",
                                       "Print...",    "Print Preview", "Print Setup...",
                                       "Recent File", "Exit"};
const QStringList kStockPreview = {"Show Preview", "Single Line",    "Highlight Current Panel",
                                   "Rotate",       "Show Axis",      "Animate",
                                   "D3D Preview",  "Refresh Preview"};
const QStringList kStockTranslations = {"Shift",
                                        "Reflect",
                                        "Stretch",
                                        "Imperial > Metric",
                                        "Metric > Imperial",
                                        "Rotate Panel Vertices Lft",
                                        "Rotate Panel Vertices Rgt",
                                        "Reverse Panel",
                                        "Rotate 90 Left",
                                        "Rotate 90 Right",
                                        "Matrix Transformation"};
const QStringList kStockTools = {"Cylinders",
                                 "Divide Panel(s)",
                                 "Cut-Out",
                                 "Auto Q!",
                                 "Set D3D only!",
                                 "Count Panels",
                                 "Update Stock index",
                                 "Rebuild Stock Index",
                                 "List required Files"};

}  // namespace

class EditorAppTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startUpReadsTheSettingsAndShowsTheMainWindow() {
        EditorUnderTest editor;
        editor.settings.Write("Editor", "LightHarshness", "75");
        editor.settings.Write("Recent File List", "File1", "/defs/loco.stk");
        editor.settings.Write("Recent File List", "File2", "/defs/hill.stc");
        const auto before = editor.settings.values;
        QCOMPARE(editor.Start(), CLumtrakStockEditorApp::StartUp::Running);

        QCOMPARE(editor.app.LightHarshness(), 75);
        QVERIFY(editor.settings.values == before);  // nothing is written back
        QVERIFY(editor.Frame().isVisible());
        QCOMPARE(editor.Frame().windowTitle(), QStringLiteral("Lumtrak Stock Editor[*]"));
        // No file named: a new document is asked for; cancelled, none is open.
        QCOMPARE(editor.newDialogs, 1);
        QVERIFY(editor.app.Documents().isEmpty());
        QCOMPARE(editor.Frame().MenuResourceShown(), 128);
        QCOMPARE(MenuTitles(editor.Frame()), (QStringList{"File", "View", "Help"}));
        QCOMPARE(MenuItems(editor.Frame(), "File"),
                 (QStringList{"New", "Open...", "Print Setup...", "1 /defs/loco.stk",
                              "2 /defs/hill.stc", "Exit"}));
        QCOMPARE(MenuItems(editor.Frame(), "Help"), (QStringList{"About Lumtrak Stock Editor..."}));

        QStringList buttons;
        for (QAction* action : editor.Frame().findChild<QToolBar*>("toolBar")->actions())
            buttons << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
        QCOMPARE(buttons, (QStringList{"fileNew", "fileOpen", "fileSave", "|", "editCut",
                                       "editCopy", "editPaste", "|", "filePrint", "appAbout"}));
        auto* status = editor.Frame().statusBar();
        QCOMPARE(status->findChild<QLabel*>("messagePane")->text(), QStringLiteral("Ready"));
        for (const char* indicator : {"capIndicator", "numIndicator", "scrlIndicator"})
            QVERIFY(status->findChild<QLabel*>(indicator) != nullptr);
    }

    void aMissingOrMalformedLightHarshnessReadsAsFifty() {
        for (const char* stored : {"", "bright", "12.5"}) {
            EditorUnderTest editor;
            if (*stored) editor.settings.Write("Editor", "LightHarshness", stored);
            editor.Start();
            QCOMPARE(editor.app.LightHarshness(), 50);
        }
    }

    void theNewDialogCreatesADocumentOfTheChosenType() {
        EditorUnderTest editor(std::size_t(1));
        editor.Start();
        QCOMPARE(editor.app.Documents().size(), 1);
        QCOMPARE(editor.Document().GetDocTemplate().resource, 130);
        QCOMPARE(editor.Document().GetTitle(), QStringLiteral("Lumtrak1"));
        QVERIFY(editor.Frame().windowTitle().endsWith(QStringLiteral(" - [Lumtrak1[*]]")));
        editor.Frame().ExecuteCommand(Command::FileNew);
        QCOMPARE(editor.Document().GetTitle(), QStringLiteral("Lumtrak2"));
        QVERIFY(editor.Document().GetPathName().isEmpty());
    }

    void filesNamedOnTheCommandLineOpenWithTheTypeOfTheirExtension() {
        TempFolder temp;
        const QStringList files = {Q(temp.Write("loco.STK", "name loco\r\n")),
                                   Q(temp.Write("hill.stc", "hill")), Q(temp.Write("home.sig", "")),
                                   Q(temp.Write("notes.txt", "x"))};
        EditorUnderTest editor;
        QCOMPARE(editor.Start(files), CLumtrakStockEditorApp::StartUp::Running);
        QCOMPARE(editor.newDialogs, 0);
        const auto& documents = editor.app.Documents();
        QCOMPARE(documents.size(), 4);
        const int resources[] = {129, 130, 131, 129};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(documents[i]->GetDocTemplate().resource, resources[i]);
            QCOMPARE(documents[i]->GetPathName(), files[i]);
        }
        QCOMPARE(documents[0]->Views().front()->Text(), std::string_view("name loco\r\n"));
        QCOMPARE(editor.Document().GetTitle(), QStringLiteral("notes.txt"));
        QCOMPARE(editor.settings.Read("Recent File List", "File1").value_or(""),
                 files[3].toStdString());

        // The menu bar follows the active window; an open file is not opened twice.
        QCOMPARE(editor.app.OpenDocumentFile(files[2]), documents[2]);
        QCOMPARE(editor.app.Documents().size(), 4);
        QCOMPARE(editor.Frame().MenuResourceShown(), 131);
        QVERIFY(editor.Frame().windowTitle().endsWith(QStringLiteral(" - [home.sig[*]]")));
        editor.app.OpenDocumentFile(files[1]);
        QCOMPARE(editor.Frame().MenuResourceShown(), 130);
    }

    void aCommandLineFileThatCannotBeReadEndsTheStartUp() {
        TempFolder temp;
        EditorUnderTest editor;
        QString shown;
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            shown = box->text();
            box->accept();
        });
        QCOMPARE(editor.Start({Q(temp / "missing.stk")}), CLumtrakStockEditorApp::StartUp::Failed);
        QCOMPARE(shown, Q(temp / "missing.stk") + QStringLiteral(" was not found."));

        // A FIFO would block a reader until someone writes to it: it is refused.
        QCOMPARE(::mkfifo((temp / "pipe.stk").c_str(), 0600), 0);
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            shown = box->text();
            box->accept();
        });
        QVERIFY(editor.app.OpenDocumentFile(Q(temp / "pipe.stk")) == nullptr);
        QCOMPARE(shown, Q(temp / "pipe.stk") + QStringLiteral(" could not be accessed."));
    }

    void eachDocumentTypeHasItsMenus() {
        TempFolder temp;
        EditorUnderTest editor;
        editor.Start(
            {Q(temp.Write("a.stk", "")), Q(temp.Write("b.stc", "")), Q(temp.Write("c.sig", ""))});
        const QStringList titles = {"File",   "Edit",         "View",  "Preview",
                                    "Window", "Translations", "Tools", "Help"};
        QStringList sceneryPreview = kStockPreview;
        sceneryPreview.swapItemsAt(4, 5);
        QStringList sceneryTranslations = kStockTranslations;
        sceneryTranslations.removeLast();
        const QStringList sceneryTools = kStockTools.mid(0, 6);
        QStringList signalTranslations = sceneryTranslations;
        signalTranslations[7] = QStringLiteral("Reverse Normal");

        struct Expected {
            int resource;
            QStringList preview, translations, tools;
        };
        const Expected expected[] = {{129, kStockPreview, kStockTranslations, kStockTools},
                                     {130, sceneryPreview, sceneryTranslations, sceneryTools},
                                     {131, sceneryPreview, signalTranslations, sceneryTools}};
        const auto documents = editor.app.Documents();
        for (std::size_t i = 0; i < 3; ++i) {
            editor.app.OpenDocumentFile(documents[qsizetype(i)]->GetPathName());
            CMainFrame& frame = editor.Frame();
            QCOMPARE(frame.MenuResourceShown(), expected[i].resource);
            QCOMPARE(MenuTitles(frame), titles);
            QStringList file = MenuItems(frame, "File");
            QCOMPARE(file.filter(QRegularExpression("^\\d ")).size(), 3);  // the recent files
            file.removeIf([](const QString& item) { return item[0].isDigit(); });
            QStringList expectedFile = kFileWithDocument;
            expectedFile.removeAll(QStringLiteral("Recent File"));
            QCOMPARE(file, expectedFile);
            QCOMPARE(MenuItems(frame, "Edit"),
                     (QStringList{"Undo", "Redo", "Cut", "Copy", "Paste", "Find...", "Replace...",
                                  "Go to Part", "Find Uses of This Part", "Back", "Forward",
                                  "Complete Name"}));
            QCOMPARE(MenuItems(frame, "View"), (QStringList{"Toolbar", "Status Bar", "Problems",
                                                            "Parts", "Syntax Colouring"}));
            QCOMPARE(MenuItems(frame, "Preview"), expected[i].preview);
            QCOMPARE(MenuItems(frame, "Window"),
                     (QStringList{"New Window", "Cascade", "Tile", "Arrange Icons"}));
            QCOMPARE(MenuItems(frame, "Translations"), expected[i].translations);
            QCOMPARE(MenuItems(frame, "Tools"), expected[i].tools);
        }

        // Commands keep their numbers whatever the menu calls them; those
        // without a handler yet, "Single Line" among them, are disabled.
        QAction* reverse = MenuAction(editor.Frame(), "Translations", "reversePanel");
        QVERIFY(reverse);
        QCOMPARE(reverse->property("commandId").toInt(), 32782);
        QCOMPARE(MenuAction(editor.Frame(), "Translations", "shift")->property("commandId").toInt(),
                 32776);
        QCOMPARE(MenuAction(editor.Frame(), "Preview", "refreshPreview")->text(),
                 QStringLiteral("Refresh Preview\tF5"));
        editor.Frame().UpdateCommandStates();
        QVERIFY(!MenuAction(editor.Frame(), "Preview", "singleLine")->isEnabled());
        QVERIFY(reverse->isEnabled());  // Reverse Normal works in signal views
        QVERIFY(MenuAction(editor.Frame(), "File", "fileSave")->isEnabled());
        QVERIFY(MenuAction(editor.Frame(), "Window", "windowNew")->isEnabled());
        QVERIFY(MenuAction(editor.Frame(), "View", "viewToolbar")->isChecked());
    }

    void theAcceleratorsOfTable128() {
        EditorUnderTest editor;
        editor.Start();
        auto keys = [&](const char* name) {
            QStringList shortcuts;
            auto* action =
                editor.Frame().findChild<QAction*>(QStringLiteral("accelerator.") + name);
            if (!action) return QStringList{"none"};
            for (const QKeySequence& key : action->shortcuts())
                shortcuts << key.toString(QKeySequence::PortableText);
            return shortcuts;
        };
        QCOMPARE(keys("fileNew"), QStringList{"Ctrl+N"});
        QCOMPARE(keys("fileOpen"), QStringList{"Ctrl+O"});
        QCOMPARE(keys("fileSave"), QStringList{"Ctrl+S"});
        QCOMPARE(keys("filePrint"), QStringList{"Ctrl+P"});
        QCOMPARE(keys("editCopy"), (QStringList{"Ctrl+C", "Ctrl+Ins"}));
        QCOMPARE(keys("editPaste"), (QStringList{"Ctrl+V", "Shift+Ins"}));
        QCOMPARE(keys("editCut"), (QStringList{"Ctrl+X", "Shift+Del"}));
        QCOMPARE(keys("editUndo"), (QStringList{"Ctrl+Z", "Alt+Backspace"}));
        QCOMPARE(keys("editRedo"), (QStringList{"Ctrl+Y", "Ctrl+Shift+Z"}));
        QCOMPARE(keys("refreshPreview"), QStringList{"F5"});
        QCOMPARE(keys("nextPane"), QStringList{"F6"});
        QCOMPARE(keys("previousPane"), QStringList{"Shift+F6"});
        // Beside the table: working across parts.
        QCOMPARE(keys("goToPart"), QStringList{"F12"});
        QCOMPARE(keys("findPartUses"), QStringList{"Shift+F12"});
        QCOMPARE(keys("navigateBack"), QStringList{"Alt+Left"});
        QCOMPARE(keys("navigateForward"), QStringList{"Alt+Right"});
        QCOMPARE(keys("completeName"), QStringList{"Ctrl+Space"});
    }

    void theStandardMenusAndDialogsSpeakGerman() {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/lumtrak_stock_editor_de.qm")));
        QCoreApplication::installTranslator(&german);
        TempFolder temp;
        EditorUnderTest editor;
        editor.Start({Q(temp.Write("a.stc", "")), Q(temp.Write("b.stk", ""))});
        const QStringList titles = {"Datei",   "Bearbeiten",       "Ansicht",   "Vorschau",
                                    "Fenster", "Transformationen", "Werkzeuge", "Hilfe"};
        QCOMPARE(MenuTitles(editor.Frame()), titles);
        QCOMPARE(MenuItems(editor.Frame(), "Datei")[0], QStringLiteral("Neu"));
        QCOMPARE(MenuItems(editor.Frame(), "Bearbeiten").mid(0, 2),
                 (QStringList{"Rückgängig", "Wiederherstellen"}));
        // The scenery and signal menus too.
        editor.app.OpenDocumentFile(Q(temp / "a.stc"));
        QCOMPARE(MenuTitles(editor.Frame()), titles);
        WhenModalOpens<AboutDialog>([](AboutDialog* about) {
            QCOMPARE(about->windowTitle(), QStringLiteral("Info über Lumtrak Stock Editor"));
            about->accept();
        });
        editor.Frame().ExecuteCommand(Command::AppAbout);
        QCoreApplication::removeTranslator(&german);
    }

    void theAboutDialogShowsTheVersion() {
        EditorUnderTest editor;
        editor.Start();
        bool shown = false;
        WhenModalOpens<AboutDialog>([&](AboutDialog* about) {
            shown = true;
            QCOMPARE(about->windowTitle(), QStringLiteral("About Lumtrak Stock Editor"));
            QCOMPARE(about->findChild<QLabel*>("version")->text(),
                     QStringLiteral("Lumtrak Stock Editor Version 5.05"));
            about->accept();
        });
        editor.Frame().ExecuteCommand(Command::AppAbout);
        QVERIFY(shown);
    }

    void theProgramReportsTheKitsVersionAndHelpWithoutADisplay() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        const auto run = [&](const QString& option) {
            QProcess editor;
            editor.setProcessEnvironment(environment);
            editor.start(QStringLiteral(LUMTRAK_EDITOR_EXE), {option});
            [&] { QVERIFY(editor.waitForFinished(10000)); }();
            [&] { QCOMPARE(editor.exitStatus(), QProcess::NormalExit); }();
            [&] { QCOMPARE(editor.exitCode(), 0); }();
            return QString::fromLocal8Bit(editor.readAllStandardOutput()).trimmed();
        };
        const QString version = run(QStringLiteral("--version"));
        QVERIFY2(version.endsWith(QLatin1Char(' ') + QString::fromLatin1(kLumtrakVersion)),
                 qPrintable(version));
        QVERIFY(run(QStringLiteral("--help")).contains(QStringLiteral("--program-dir")));
    }

    void exitAsksToSaveEachModifiedDocument() {
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        editor.View().LoadText("changed");
        editor.Document().SetModifiedFlag(true);
        QStringList asked;
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            asked << box->text();
            box->reject();  // Cancel
        });
        editor.Frame().ExecuteCommand(Command::AppExit);
        QCOMPARE(asked, QStringList{"Save changes to Lumtrak1?"});
        QVERIFY(editor.Frame().isVisible());

        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == QMessageBox::NoRole) button->click();
            }
        });
        QSignalSpy closed(&editor.Frame(), &CMainFrame::closed);
        editor.Frame().ExecuteCommand(Command::AppExit);
        QVERIFY(!editor.Frame().isVisible());
        QCOMPARE(closed.size(), 1);
    }

    void withoutARuntimeFolderTheSocketLiesInAFolderOnlyTheUserCanEnter() {
        TempFolder temp;
        // Where Qt keeps a runtime folder of its own a file stands, so that it
        // has none to give.
        temp.Write("runtime-" + qEnvironmentVariable("USER", QStringLiteral("root")).toStdString(),
                   "");
        const auto socketPath = [&] {
            const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
            const QByteArray tmp = qgetenv("TMPDIR");
            qunsetenv("XDG_RUNTIME_DIR");
            qputenv("TMPDIR", QByteArray::fromStdString(temp.Path().string()));
            const QString path = SingleInstance::DefaultSocketPath();
            for (const auto& [name, value] :
                 {std::pair{"XDG_RUNTIME_DIR", runtime}, {"TMPDIR", tmp}}) {
                if (value.isNull()) {
                    qunsetenv(name);
                } else {
                    qputenv(name, value);
                }
            }
            return path;
        };
        const QString socket = socketPath();
        QVERIFY(!socket.isEmpty());
        const QString folder = QFileInfo(socket).absolutePath();
        QVERIFY(folder != Q(temp.Path().string()));
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_uid, ::geteuid());
        QCOMPARE(info.st_mode & 0777, 0700u);

        // A folder of that name that is someone else's is not used.
        if (::geteuid() == 0) {
            ::chown(QFile::encodeName(folder).constData(), 65534, 65534);
            const QString refused = socketPath();
            QVERIFY(refused.isEmpty() || !refused.startsWith(folder));
        }
    }

    void aSecondLaunchHandsItsFilesToTheRunningEditor() {
        TempFolder temp;
        const QString runtime = Q(temp / "runtime");
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString file = Q(temp.Write("hill.stc", "hill\r\n"));

        EditorUnderTest editor(std::nullopt, runtime + QStringLiteral("/lumtrak-stock-editor"));
        editor.Start();
        QVERIFY(
            SingleInstance(runtime + QStringLiteral("/lumtrak-stock-editor")).AnotherIsRunning());

        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(environment);
        second.setWorkingDirectory(Q(temp.Path().string()));
        second.start(QStringLiteral(LUMTRAK_EDITOR_EXE), {QStringLiteral("hill.stc")});
        QTRY_COMPARE_WITH_TIMEOUT(editor.app.Documents().size(), 1, 10000);
        QCOMPARE(editor.Document().GetPathName(), file);
        QCOMPARE(editor.Document().GetDocTemplate().resource, 130);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorAppTest)
#include "editor_app_test.moc"

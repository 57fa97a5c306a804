// The program folder of an installed editor: asked for once, remembered, and
// never asked for when the command line or the environment names one.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "editor/program_folder_dialog.h"
#include "platform/program_folder.h"
#include "stockindex/program_folder_choice.h"
#include "support/modal_windows.h"
#include "support/qt_text.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {

using testing::Q;

using testing::TempFolder;
using testing::WhenModalOpens;

namespace {

struct Settings {
    std::optional<std::string> Named() {
        return editor.Read(stockindex::kProgramFolderGroup, stockindex::kProgramFolderKey);
    }
    void Settle() { SettleProgramFolder(editor, install, nullptr); }

    platform::MemorySettingsStore editor;
    platform::MemorySettingsStore install;
};

}  // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        qunsetenv("LUMTRAK_PROGRAM_DIR");
        platform::SetProgramFolderOverride({});
    }
    void cleanup() { init(); }

    void theFolderAskedForOnceIsTheProgramFolderFromThenOn() {
        // The test program's folder holds no "Stock Index", as an installed
        // program's does not.
        TempFolder temp;
        QVERIFY(QDir().mkpath(Q(temp / "Lumtrak")));
        Settings settings;
        settings.install.Write(platform::kPathsGroup, platform::kProgramKey, temp / "Lumtrak/");

        int asked = 0;
        WhenModalOpens<ProgramFolderDialog>([&](ProgramFolderDialog* dialog) {
            ++asked;
            QCOMPARE(dialog->findChild<QLineEdit*>("folder")->text(), Q(temp / "Lumtrak/"));
            QVERIFY(dialog->findChild<QPushButton*>("ok")->isEnabled());
            dialog->accept();
        });
        settings.Settle();
        QCOMPARE(asked, 1);
        QCOMPARE(Q(settings.Named().value_or("")), Q(temp / "Lumtrak"));
        QCOMPARE(Q(platform::ProgramFolder()), Q(temp / "Lumtrak"));

        // The next start asks nothing.
        platform::SetProgramFolderOverride({});
        settings.install.Write(platform::kPathsGroup, platform::kProgramKey, temp / "elsewhere/");
        settings.Settle();
        QCOMPARE(Q(platform::ProgramFolder()), Q(temp / "Lumtrak"));
    }

    void aCancelledQuestionLeavesTheProgramsFolderAndComesAgain() {
        Settings settings;
        for (int start = 0; start < 2; ++start) {
            bool asked = false;
            WhenModalOpens<ProgramFolderDialog>([&](ProgramFolderDialog* dialog) {
                asked = true;
                QVERIFY(dialog->findChild<QLineEdit*>("folder")->text().isEmpty());
                dialog->reject();
            });
            settings.Settle();
            QVERIFY(asked);
            QVERIFY(!settings.Named());
            QCOMPARE(Q(platform::ProgramFolder()), Q(platform::ExecutableFolder()));
        }
    }

    void aFolderNamedOnTheCommandLineOrInTheEnvironmentIsNeverAskedFor() {
        TempFolder temp;
        Settings settings;
        // A dialog would stay open until the watchdog failed the test.
        platform::SetProgramFolderOverride(temp.Path().string());
        settings.Settle();
        QCOMPARE(Q(platform::ProgramFolder()), Q(temp.Path().string()));
        platform::SetProgramFolderOverride({});
        qputenv("LUMTRAK_PROGRAM_DIR", QByteArray::fromStdString(temp / "env"));
        settings.Settle();
        QCOMPARE(Q(platform::ProgramFolder()), Q(temp / "env"));
        QVERIFY(!settings.Named());
    }

    void okTakesOnlyAFolderAndTheHomeFolderAsTilde() {
        TempFolder temp;
        temp.Write("file", "");
        ProgramFolderDialog dialog(Q(temp / "missing"));
        auto* folder = dialog.findChild<QLineEdit*>("folder");
        auto* ok = dialog.findChild<QPushButton*>("ok");
        QVERIFY(!ok->isEnabled());
        folder->setText(Q(temp / "file"));
        QVERIFY(!ok->isEnabled());
        folder->setText(QString());
        QVERIFY(!ok->isEnabled());
        folder->setText(QStringLiteral("  ~  "));
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.Folder(), QDir::homePath());
        folder->setText(Q(temp.Path().string()) + QStringLiteral("/./"));
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.Folder(), Q(temp.Path().string()));
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::ProgramFolderTest)
#include "program_folder_test.moc"

// Recovery copies of unsaved documents: written after a pause in the typing,
// gone when the document is saved or closed, left behind by an editor that is
// killed and offered by the next one to start, never by one that runs beside
// the editor that wrote them.
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>
#include <chrono>

#include "editor/editor_fixture.h"
#include "editor/editor_translations.h"
#include "editor/recovery_dialog.h"
#include "platform/folder_listing.h"
#include "platform/whole_file.h"
#include "recovery/recovery_folder.h"
#include "support/modal_windows.h"
#include "support/qt_text.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {

using testing::Q;

using testing::TempFolder;
using testing::WhenModalOpens;
using namespace std::chrono_literals;

namespace {

constexpr int kDeadline = 10000;  // milliseconds for anything to happen

// Sets an environment variable while it lives.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

// A data folder of its own for each test, and the delays short.
struct RecoveryPlace {
    TempFolder temp;
    ScopedVariable data{"XDG_DATA_HOME", QByteArray::fromStdString(temp / "data")};
    ScopedVariable pause{"LUMTRAK_RECOVERY_PAUSE_MS", "100"};
    ScopedVariable longest{"LUMTRAK_RECOVERY_LONGEST_MS", "2000"};

    std::string Folder() const { return temp / "data/lumtrak/recovery"; }

    // The copies in the folder, read.
    std::vector<recovery::CopyReading> Copies() const {
        std::vector<recovery::CopyReading> copies;
        const auto entries = platform::ListFolder(Folder());
        for (const auto& entry : entries.value_or(std::vector<platform::FolderEntry>{})) {
            if (!entry.name.ends_with(".recovery")) continue;
            if (auto bytes = platform::ReadWholeFile(Folder() + "/" + entry.name))
                copies.push_back(recovery::ReadCopy(*bytes));
        }
        return copies;
    }
    // The text of the only whole copy of path; "" while there is none.
    std::string CopyOf(const std::string& path) const {
        for (const recovery::CopyReading& copy : Copies()) {
            if (copy.condition == recovery::CopyCondition::Whole && copy.header.path == path)
                return copy.text;
        }
        return {};
    }
    std::size_t Entries() const {
        return platform::ListFolder(Folder()).value_or(std::vector<platform::FolderEntry>{}).size();
    }
};

void TypeAtEnd(CLumtrakStockEditorView& view, const QString& text) {
    view.SetSelection({view.Text().size(), view.Text().size()});
    QTest::keyClicks(&view, text);
}

// Leaves copies as a run that was killed leaves them: written, and its lock
// let go without their removal.
void LeaveCopies(const std::string& folder,
                 const std::vector<std::pair<recovery::CopyHeader, std::string>>& copies) {
    std::error_code error;
    const auto run = recovery::RecoveryFolder::Open(folder, error);
    QVERIFY(run);
    std::uint64_t number = 0;
    for (const auto& [header, text] : copies)
        QVERIFY(!run->WriteCopy(++number, header, text));
}

QStringList Rows(RecoveryDialog* dialog, int column) {
    QStringList rows;
    const auto* list = dialog->findChild<QTreeWidget*>("copies");
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rows << list->topLevelItem(row)->text(column);
    return rows;
}

void Click(RecoveryDialog* dialog, const char* button) {
    dialog->findChild<QPushButton*>(button)->click();
}

}  // namespace

class EditorRecoveryTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aCopyFollowsAPauseInTheTypingAndGoesWithSavingOrClosing() {
        RecoveryPlace place;
        TempFolder files;
        const std::string path = files.Write("loco.stk", "name loco\r\n");
        EditorUnderTest editor;
        editor.Start({Q(path)});
        CLumtrakStockEditorView& view = editor.View();
        QTest::qWait(300);
        QVERIFY(place.Copies().empty());  // nothing while the text is as its file

        TypeAtEnd(view, QStringLiteral("fill \u00A31"));
        QTRY_COMPARE_WITH_TIMEOUT(place.CopyOf(path),
                                  "name loco\r\nfill \xA3"
                                  "1",
                                  kDeadline);
        const recovery::CopyReading copy = place.Copies().front();
        QCOMPARE(copy.header.title, "loco.stk");
        QCOMPARE(copy.header.kind, 129);
        QVERIFY(std::abs(copy.header.writtenAt - QDateTime::currentSecsSinceEpoch()) < 60);

        // Saved, the copy goes.
        QVERIFY(editor.Document().DoSave(Q(path)));
        QTRY_VERIFY_WITH_TIMEOUT(place.Copies().empty(), kDeadline);
        QCOMPARE(testing::ReadFileBytes(path),
                 "name loco\r\nfill \xA3"
                 "1");

        // Undone back to what the file holds, too.
        TypeAtEnd(view, QStringLiteral("x"));
        QTRY_COMPARE_WITH_TIMEOUT(place.Copies().size(), 1u, kDeadline);
        editor.Frame().ExecuteCommand(Command::EditUndo);
        QTRY_VERIFY_WITH_TIMEOUT(place.Copies().empty(), kDeadline);

        // And closed without saving.
        TypeAtEnd(view, QStringLiteral("y"));
        QTRY_COMPARE_WITH_TIMEOUT(place.Copies().size(), 1u, kDeadline);
        editor.Document().OnCloseDocument();
        QTRY_VERIFY_WITH_TIMEOUT(place.Copies().empty(), kDeadline);
    }

    void typingThatGoesOnIsCopiedAtTheLatestAfterTheLongestDelay() {
        RecoveryPlace place;
        ScopedVariable pause("LUMTRAK_RECOVERY_PAUSE_MS", "60000");
        ScopedVariable longest("LUMTRAK_RECOVERY_LONGEST_MS", "300");
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        CLumtrakStockEditorView& view = editor.View();
        // A key every 20 ms: the typing never pauses.
        QElapsedTimer clock;
        clock.start();
        while (place.Copies().empty() && clock.elapsed() < kDeadline) {
            QTest::keyClick(&view, Qt::Key_A);
            QTest::qWait(20);
        }
        const std::vector<recovery::CopyReading> copies = place.Copies();
        QCOMPARE(copies.size(), 1u);
        QCOMPARE(copies[0].condition, recovery::CopyCondition::Whole);
        QVERIFY(copies[0].header.path.empty());  // never saved
        QCOMPARE(copies[0].header.title, "Lumtrak1");
        QVERIFY(!copies[0].text.empty());
        QVERIFY(copies[0].text.find_first_not_of('a') == std::string::npos);
    }

    void aKilledEditorLeavesItsCopyWhichTheNextStartRecovers() {
        RecoveryPlace place;
        TempFolder files;
        const std::string other = files.Write("other.stk", "other\r\n");
        const std::string loco = files.Write("loco.stk", "name loco\r\n");

        // An editor in this process, which goes on running with a copy.
        EditorUnderTest running;
        running.Start({Q(other)});
        TypeAtEnd(running.View(), QStringLiteral("typed here"));
        QTRY_COMPARE_WITH_TIMEOUT(place.CopyOf(other), "other\r\ntyped here", kDeadline);

        // An editor in a process of its own, not offered the running one's copy.
        QProcess killed;
        killed.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        killed.start(QStringLiteral(LUMTRAK_RECOVERY_CHILD_EXE),
                     {Q(loco), QStringLiteral("fill 1/2/3 \u00A3")});
        QStringList said;
        QElapsedTimer clock;
        clock.start();
        while (!said.contains("typed") && clock.elapsed() < kDeadline) {
            killed.waitForReadyRead(100);
            while (killed.canReadLine())
                said << QString::fromLocal8Bit(killed.readLine()).trimmed();
        }
        QCOMPARE(said, (QStringList{"started", "typed"}));
        const std::string typed = "name loco\r\nfill 1/2/3 \xA3";
        QTRY_COMPARE_WITH_TIMEOUT(place.CopyOf(loco), typed, kDeadline);
        killed.kill();  // SIGKILL: nothing of it runs any more
        QVERIFY(killed.waitForFinished(kDeadline));
        QCOMPARE(killed.exitStatus(), QProcess::CrashExit);
        QCOMPARE(place.CopyOf(loco), typed);

        // A new start offers the killed editor's copy alone, and recovers it.
        EditorUnderTest next;
        QStringList offered;
        WhenModalOpens<RecoveryDialog>([&](RecoveryDialog* dialog) {
            offered = Rows(dialog, 0);
            QCOMPARE(Rows(dialog, 2), QStringList{QStringLiteral("%L1 bytes").arg(typed.size())});
            QCOMPARE(Rows(dialog, 3), QStringList{"intact"});
            QVERIFY(!dialog->findChild<QLabel*>("damagedNote"));
            Click(dialog, "recover");
        });
        QCOMPARE(next.Start(), CLumtrakStockEditorApp::StartUp::Running);
        QCOMPARE(offered, QStringList{Q(loco)});
        QCOMPARE(next.newDialogs, 0);  // the recovered document, and no New dialog
        QCOMPARE(next.app.Documents().size(), 1);
        QCOMPARE(next.Document().GetPathName(), Q(loco));
        QCOMPARE(next.View().Text(), std::string_view(typed));
        QVERIFY(next.Document().IsModified());
        QCOMPARE(next.Document().GetDocTemplate().resource, 129);
        QCOMPARE(place.CopyOf(loco), typed);  // still kept, now by this run

        // Saved, the recovered text is in its file and the copy goes; the
        // running editor's stays.
        QVERIFY(next.Document().DoSave(Q(loco)));
        QCOMPARE(testing::ReadFileBytes(loco), typed);
        QTRY_COMPARE_WITH_TIMEOUT(place.Copies().size(), 1u, kDeadline);
        QCOMPARE(place.CopyOf(other), "other\r\ntyped here");
    }

    void onlyIntactCopiesAreRecoveredAndLaterOffersThemAgain() {
        RecoveryPlace place;
        LeaveCopies(place.Folder(), {{{"/defs/hill.stc", "hill.stc", 130, 1718000000}, "hill"},
                                     {{"", "Lumtrak3", 131, 1718000000}, "signal"},
                                     {{"/defs/bad.stk", "bad.stk", 129, 1718000000}, "bad"}});
        // One copy damaged on the disk.
        const auto entries = platform::ListFolder(place.Folder());
        QVERIFY(entries);
        for (const auto& entry : *entries) {
            const std::string copy = place.Folder() + "/" + entry.name;
            std::string bytes = testing::ReadFileBytes(copy);
            if (bytes.find("bad.stk") == std::string::npos) continue;
            bytes[bytes.rfind("bad")] = 'B';
            testing::WriteFileBytes(copy, bytes);
        }

        // Later: nothing opens, and the next start offers them again.
        {
            EditorUnderTest editor;
            WhenModalOpens<RecoveryDialog>([](RecoveryDialog* dialog) { Click(dialog, "later"); });
            editor.Start();
            QVERIFY(editor.app.Documents().isEmpty());
            QCOMPARE(editor.newDialogs, 1);
        }
        QCOMPARE(place.Copies().size(), 3u);

        {
            EditorUnderTest editor;
            WhenModalOpens<RecoveryDialog>([](RecoveryDialog* dialog) {
                QCOMPARE(Rows(dialog, 0), (QStringList{"/defs/hill.stc", "Lumtrak3 (never saved)",
                                                       "/defs/bad.stk"}));
                QCOMPARE(Rows(dialog, 3),
                         (QStringList{"intact", "intact", "damaged: its checksum does not match"}));
                QCOMPARE(Rows(dialog, 2).last(), QString());
                QVERIFY(dialog->findChild<QLabel*>("damagedNote"));
                Click(dialog, "recover");
            });
            editor.Start();
            QCOMPARE(editor.app.Documents().size(), 2);
            const CLumtrakStockEditorDoc* hill = editor.app.Documents()[0];
            QCOMPARE(hill->GetPathName(), QStringLiteral("/defs/hill.stc"));
            QCOMPARE(hill->GetDocTemplate().resource, 130);
            QCOMPARE(hill->Views().front()->Text(), std::string_view("hill"));
            const CLumtrakStockEditorDoc* signal = editor.app.Documents()[1];
            QVERIFY(signal->GetPathName().isEmpty());
            QCOMPARE(signal->GetTitle(), QStringLiteral("Lumtrak1"));
            QCOMPARE(signal->GetDocTemplate().resource, 131);
            QVERIFY(signal->IsModified());
            // This run keeps the two; the damaged one is left as it was.
            QCOMPARE(place.Copies().size(), 3u);
        }
        // Ended as it should, the run removed its copies; the damaged one
        // is offered once more, and Discard deletes it.
        QCOMPARE(place.Copies().size(), 1u);
        {
            EditorUnderTest editor;
            WhenModalOpens<RecoveryDialog>(
                [](RecoveryDialog* dialog) { Click(dialog, "discard"); });
            editor.Start();
            QVERIFY(editor.app.Documents().isEmpty());
        }
        QCOMPARE(place.Entries(), 0u);  // no copies, no locks
        EditorUnderTest quiet;
        quiet.Start();
        QCOMPARE(quiet.newDialogs, 1);  // nothing was offered
    }

    void theRecoveryDialogSpeaksGerman() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German));
        InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::German));
        recovery::LeftCopy whole{"a", "r", {}};
        whole.reading.condition = recovery::CopyCondition::Whole;
        whole.reading.header = {"", "Lumtrak1", 129, 1718000000};
        whole.reading.text = std::string(1234, 'x');
        recovery::LeftCopy damaged{"b", "r", {}};
        damaged.reading.condition = recovery::CopyCondition::Incomplete;
        RecoveryDialog dialog({whole, damaged});
        QStringList texts = {dialog.windowTitle()};
        for (const auto* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        for (const auto* button : dialog.findChildren<QPushButton*>())
            texts << button->text();
        const auto* header = dialog.findChild<QTreeWidget*>()->headerItem();
        for (int column = 0; column < header->columnCount(); ++column)
            texts << header->text(column);
        texts << Rows(&dialog, 0) << Rows(&dialog, 2) << Rows(&dialog, 3);
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(before);
        QCOMPARE(texts, (QStringList{
                            "Dokumente wiederherstellen",
                            "Lumtrak Stock Editor wurde beendet, ohne diese Dokumente zu "
                            "speichern. Von ihnen wurden Wiederherstellungskopien aufbewahrt:",
                            "Eine Kopie, die nicht unversehrt ist, kann nicht wiederhergestellt "
                            "werden: Wiederherstellen lässt sie liegen, Verwerfen löscht sie.",
                            "&Wiederherstellen",
                            "&Verwerfen",
                            "&Später",
                            "Datei",
                            "Zeit",
                            "Größe",
                            "Zustand",
                            "Lumtrak1 (nie gespeichert)",
                            "b",
                            "1.234 Bytes",
                            "",
                            "unversehrt",
                            "beschädigt: unvollständig",
                        }));
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorRecoveryTest)
#include "editor_recovery_test.moc"

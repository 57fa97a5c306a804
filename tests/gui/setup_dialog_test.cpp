#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "setup-app/setup_dialog.h"
#include "setup/default_folders.h"
#include "support/modal_windows.h"
#include "support/temp_folder.h"

namespace lumtrak::setupapp {

namespace fs = std::filesystem;
using testing::WhenModalOpens;

class SetupDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showsTheControlsWithTheirInitialStates() {
        platform::MemorySettingsStore settings;
        SetupDialog fresh(settings, {});
        QCOMPARE(fresh.windowTitle(), QStringLiteral("Setup"));
        QCOMPARE(Edit(fresh)->text().toStdString(), setup::DefaultInstallFolder());
        QVERIFY(!Check(fresh, "startMenuItems")->isChecked());
        QVERIFY(Check(fresh, "sampleLayouts")->isChecked());
        QVERIFY(Check(fresh, "installScreensaver")->isChecked());
        QVERIFY(Check(fresh, "installScreensaver")->isHidden());
        QCOMPARE(Check(fresh, "startMenuItems")->text(), QStringLiteral("Create Start Menu items"));
        QVERIFY(fresh.findChild<QPushButton*>("ok")->isDefault());
        QCOMPARE(fresh.findChild<QAction*>("aboutSetup")->text(),
                 QStringLiteral("&About Setup..."));

        settings.Write("Paths", "Program", "/opt/installed/Lumtrak/");
        SetupDialog again(settings, {});
        QCOMPARE(Edit(again)->text(), QStringLiteral("/opt/installed/Lumtrak/"));
    }

    void okInstallsAndReportsCompletion() {
        testing::TempFolder temp;
        temp.Write("package/Lumtrak.exe", "");
        temp.Write("package/Lumtrak.lnk", "");
        temp.Write("package/Layouts/a.trk", "");
        platform::MemorySettingsStore settings;
        SetupDialog dialog(settings, {temp / "package", temp / "menu", temp / "system"});
        QStringList shown;
        dialog.SetCompletionPresenter([&](QWidget*, const QString& caption, const QString& text,
                                          const QString&) { shown << caption << text; });
        Edit(dialog)->setText(QString::fromStdString(temp / "target"));
        Check(dialog, "startMenuItems")->setChecked(true);
        Check(dialog, "sampleLayouts")->setChecked(false);
        QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(fs::exists(temp / "target/Lumtrak.exe"));
        QVERIFY(fs::exists(temp / "menu/Lumtrak/Lumtrak.lnk"));
        QVERIFY(fs::exists(temp / "package/Layouts/a.trk"));
        QCOMPARE(settings.Read("Paths", "Program").value_or(""), temp / "target/");
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0], QStringLiteral("Lumtrak Setup"));
        QVERIFY(
            shown[1].startsWith(QStringLiteral("Setup Complete\n\nNot done:\nLTK.dll: not found")));
    }

    void cancelClosesWithoutInstalling() {
        testing::TempFolder temp;
        temp.Write("package/Lumtrak.exe", "");
        platform::MemorySettingsStore settings;
        SetupDialog dialog(settings, {temp / "package", temp / "menu", temp / "system"});
        bool presented = false;
        dialog.SetCompletionPresenter([&](auto&&...) { presented = true; });
        Edit(dialog)->setText(QString::fromStdString(temp / "target"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!presented);
        QVERIFY(fs::exists(temp / "package/Lumtrak.exe"));
        QVERIFY(!fs::exists(temp / "target"));
        QVERIFY(settings.values.empty());
    }

    void browsePutsTheChosenFolderIntoTheEdit() {
        testing::TempFolder temp;
        fs::create_directories(temp / "chosen");
        platform::MemorySettingsStore settings;
        SetupDialog dialog(settings, {});
        WhenModalOpens<QFileDialog>([&](QFileDialog* files) {
            QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(files->defaultSuffix(), QStringLiteral("exe"));
            files->selectFile(QString::fromStdString(temp / "chosen/Lumtrak.exe"));
            static_cast<QDialog*>(files)->accept();
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>("browse"), Qt::LeftButton);
        QCOMPARE(Edit(dialog)->text(), QString::fromStdString(temp / "chosen/"));
    }

    void aboutNamesTheVersion() {
        platform::MemorySettingsStore settings;
        SetupDialog dialog(settings, {});
        QString title, text;
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        dialog.findChild<QAction*>("aboutSetup")->trigger();
        QCOMPARE(title, QStringLiteral("About Setup"));
        QCOMPARE(text, QStringLiteral("Setup Version 1.0"));
    }

  private:
    static QLineEdit* Edit(SetupDialog& dialog) {
        return dialog.findChild<QLineEdit*>("installFolder");
    }
    static QCheckBox* Check(SetupDialog& dialog, const char* name) {
        return dialog.findChild<QCheckBox*>(name);
    }
};

}  // namespace lumtrak::setupapp

LUMTRAK_GUI_TEST_MAIN(lumtrak::setupapp::SetupDialogTest)
#include "setup_dialog_test.moc"

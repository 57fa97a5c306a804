// File > Export 3D Model...: the definition under the caret written for other
// 3D tools through the file dialog, with its counts on the status bar.
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <filesystem>

#include "editor/editor_fixture.h"
#include "editor/german_translations.h"
#include "support/gltf_check.h"
#include "support/modal_windows.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {

using testing::TempFolder;
using testing::WhenModalOpens;

namespace {

const QString kSamples = QStringLiteral(LUMTRAK_SAMPLES_DIR);
const QString kLocomotive = kSamples + QStringLiteral("/Stock/Locomotives/Class40.stk");

// The sample locomotive open, with the samples as program folder.
struct LocomotiveOpen {
    LocomotiveOpen() { editor.app.InitInstance({{kLocomotive}, kSamples}); }
    EditorUnderTest editor;
};

// Runs the command, answering the file dialog with file (and filter, when
// given); gives what the dialog showed: its title and the file it suggested.
QStringList ExportThroughDialog(EditorUnderTest& editor, const QString& file, int filter = -1) {
    QStringList shown;
    WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
        shown << dialog->windowTitle();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        shown << (name ? name->text() : QString());
        shown << dialog->nameFilters();
        if (filter >= 0) dialog->selectNameFilter(dialog->nameFilters()[filter]);
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
    editor.Frame().ExecuteCommand(Command::ExportModel);
    return shown;
}

}  // namespace

class EditorExportTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void writesTheDefinitionUnderTheCaretAsTheDialogNamesIt() {
        TempFolder out;
        LocomotiveOpen open;
        EditorUnderTest& editor = open.editor;
        QAction* item = MenuAction(editor.Frame(), "File", "exportModel");
        QVERIFY(item);
        QCOMPARE(PlainText(item), QStringLiteral("Export 3D Model..."));
        QVERIFY(item->isEnabled());

        const QString glb = QString::fromStdString(out / "class40.glb");
        const QStringList shown = ExportThroughDialog(editor, glb);
        QCOMPARE(shown.value(0), QStringLiteral("Export 3D Model"));
        // The definition's name, in the document's folder.
        QCOMPARE(shown.value(1), QStringLiteral("Class 40.glb"));
        QCOMPARE(shown.mid(2), (QStringList{"glTF 2.0, one binary file (*.glb)",
                                            "glTF 2.0 with its files beside it (*.gltf)",
                                            "Wavefront OBJ with its materials (*.obj)"}));
        QCOMPARE(editor.Frame().MessageText(),
                 QStringLiteral("Exported 7 parts, 46 faces and 2 textures to ") + glb);
        const auto read = testing::ReadGlb(testing::ReadFileBytes(out / "class40.glb"));
        QVERIFY2(read.ok, read.error.c_str());
        QCOMPARE(read.model.nodes.size(), std::size_t(7));
        QCOMPARE(QString::fromStdString(read.model.nodes[0].name), QStringLiteral("Class 40"));
        QVERIFY(testing::GltfFaults(read.model).empty());
    }

    void aNameWithoutExtensionTakesTheChosenFilters() {
        TempFolder out;
        LocomotiveOpen open;
        ExportThroughDialog(open.editor, QString::fromStdString(out / "loco"), 2);
        QVERIFY(std::filesystem::exists(out.Path() / "loco.obj"));
        QVERIFY(std::filesystem::exists(out.Path() / "loco.mtl"));
        QVERIFY(std::filesystem::exists(out.Path() / "loco_texture1.png"));
        QVERIFY(!std::filesystem::exists(out.Path() / "loco"));
    }

    void aFolderThatCannotBeWrittenIsReportedAndNothingIsWritten() {
        TempFolder out;
        out.Write("plain", "a file, no folder");
        LocomotiveOpen open;
        QString message;
        const QString path = QString::fromStdString(out / "plain/loco.gltf");
        WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
            WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
                message = box->text();
                box->accept();
            });
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        open.editor.Frame().ExecuteCommand(Command::ExportModel);
        QVERIFY2(message.startsWith(QStringLiteral("The 3D model could not be written to ") + path),
                 qPrintable(message));
    }

    void speaksGerman() {
        const German german;
        TempFolder out;
        LocomotiveOpen open;
        QAction* item = MenuAction(open.editor.Frame(), "Datei", "exportModel");
        QVERIFY(item);
        QCOMPARE(PlainText(item), QStringLiteral("3D-Modell exportieren..."));
        const QString glb = QString::fromStdString(out / "lok.glb");
        const QStringList shown = ExportThroughDialog(open.editor, glb);
        QCOMPARE(shown.value(0), QStringLiteral("3D-Modell exportieren"));
        QCOMPARE(shown.value(2), QStringLiteral("glTF 2.0, eine Binärdatei (*.glb)"));
        QCOMPARE(open.editor.Frame().MessageText(),
                 QStringLiteral("7 Teile, 46 Flächen und 2 Texturen nach %1 exportiert").arg(glb));
    }
};

}  // namespace lumtrak::editor

QTEST_MAIN(lumtrak::editor::EditorExportTest)
#include "editor_export_test.moc"

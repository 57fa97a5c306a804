// The editor under a German locale: every menu, dialog, filter, prompt and
// message in German, Qt's own dialogs included; only names, numbers and
// letters that read the same in both languages stay as they are.
#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "editor/about_dialog.h"
#include "editor/camera_control_dialog.h"
#include "editor/command_prompts.h"
#include "editor/custom_material_dialog.h"
#include "editor/d3d_preview.h"
#include "editor/dialogs/cylinder_dialog.h"
#include "editor/dialogs/divide_panel_dialog.h"
#include "editor/dialogs/matrix_transform_dialog.h"
#include "editor/dialogs/panel_count_dialog.h"
#include "editor/dialogs/reflect_dialog.h"
#include "editor/dialogs/shift_dialog.h"
#include "editor/dialogs/stretch_dialog.h"
#include "editor/document_templates.h"
#include "editor/editor_fixture.h"
#include "editor/editor_translations.h"
#include "editor/find_replace_dialog.h"
#include "editor/german_translations.h"
#include "editor/menus.h"
#include "editor/new_type_dialog.h"
#include "editor/part_uses_dock.h"
#include "editor/parts_dock.h"
#include "editor/problems_dock.h"
#include "editor/program_folder_dialog.h"
#include "editor/program_texts.h"
#include "editor/recovery_dialog.h"
#include "editor/required_files_dialog.h"
#include "model/definition_reader.h"
#include "model/load_environment.h"
#include "platform/mapped_file.h"
#include "stockindex/index_file.h"
#include "stockindex/rebuild.h"
#include "support/modal_windows.h"
#include "support/temp_folder.h"
#include "tools/cut_out.h"

namespace lumtrak::editor {

using testing::TempFolder;
using testing::WhenModalOpens;

namespace {

// Texts that read the same in German: letters of the axes and colours, the
// quadrants, the markers, names and numbers.
bool SameInBothLanguages(const QString& text) {
    static const QStringList kSame = {"L",
                                      "H",
                                      "OK",
                                      "%",
                                      "$",
                                      "=",
                                      "Q1",
                                      "Q2",
                                      "Q3",
                                      "Q4",
                                      "Radius",
                                      "r",
                                      "g",
                                      "b",
                                      "R",
                                      "L=",
                                      "H=",
                                      "Position",
                                      "Lumtrak Signal",
                                      "Lumtrak Stock Editor Version 5.05",
                                      "Copyright (C) Halbern",
                                      "Lumtrak Stock Editor"};
    bool number = false;
    text.toDouble(&number);
    return number || kSame.contains(text);
}

// Everything a window shows in words, in the order of its controls: its
// title, labels, buttons, group titles, list entries, actions and column heads.
QStringList ShownTexts(QWidget& window) {
    QStringList texts = {window.windowTitle()};
    for (QObject* child : window.findChildren<QObject*>()) {
        if (auto* label = qobject_cast<QLabel*>(child)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            if (!button->inherits("QToolButton")) texts << button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(child)) {
            texts << group->title();
        } else if (auto* list = qobject_cast<QListWidget*>(child)) {
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
        } else if (auto* action = qobject_cast<QAction*>(child)) {
            texts << action->text();
        } else if (auto* tree = qobject_cast<QTreeWidget*>(child)) {
            if (tree->isHeaderHidden()) continue;
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << tree->headerItem()->text(column);
        }
    }
    texts.removeAll(QString());
    return texts;
}

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

// Every dialog and window of the editor, made afresh.
std::vector<std::pair<const char*, WindowMaker>> EditorWindows() {
    auto preview = std::make_shared<std::unique_ptr<D3DPreview>>();
    auto make3D = [preview] {
        if (!*preview) *preview = std::make_unique<D3DPreview>();
        return preview->get();
    };
    return {
        {"shift", [] { return std::make_unique<CShiftDialog>(); }},
        {"reflect", [] { return std::make_unique<CReflectDialog>(); }},
        {"stretch", [] { return std::make_unique<CStretchDialog>(); }},
        {"matrix", [] { return std::make_unique<CMatrixTransformDialog>(); }},
        {"cylinder", [] { return std::make_unique<CCylinderDialog>(); }},
        {"divide", [] { return std::make_unique<CDividePanelDialog>(); }},
        {"count", [] { return std::make_unique<CPanelCountDialog>(tools::PanelCounts{}); }},
        {"required files", [] { return std::make_unique<CRequiredFilesDialog>(); }},
        {"about", [] { return std::make_unique<AboutDialog>(); }},
        {"new", [] { return std::make_unique<NewTypeDialog>(); }},
        {"simulator folder", [] { return std::make_unique<ProgramFolderDialog>(); }},
        {"find", [] { return std::make_unique<FindReplaceDialog>(nullptr); }},
        {"recovery",
         [] {
             recovery::LeftCopy damaged;
             damaged.reading.condition = recovery::CopyCondition::ChecksumMismatch;
             return std::make_unique<RecoveryDialog>(std::vector<recovery::LeftCopy>{damaged});
         }},
        {"2D preview", [] { return std::make_unique<CPreview2DDlg>(); }},
        {"3D preview", [] { return std::make_unique<D3DPreview>(); }},
        {"problems", [] { return std::make_unique<ProblemsDock>(); }},
        {"camera", [make3D] { return std::make_unique<CameraControlDialog>(*make3D()); }},
        {"material", [make3D] { return std::make_unique<CustomMaterialDialog>(*make3D()); }},
        {"parts", [] { return std::make_unique<PartsDock>(); }},
        {"uses", [] { return std::make_unique<PartUsesDock>(); }},
    };
}

}  // namespace

class EditorGermanTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyMenuItemPromptAndButtonHasItsGerman() {
        const German german;
        QStringList english;
        auto check = [&](const char* context, const char* source) {
            if (SameInBothLanguages(QString::fromUtf8(source))) return;
            if (QCoreApplication::translate(context, source) == QString::fromUtf8(source))
                english << QString::fromUtf8(source);
        };
        for (int resource : {128, 129, 130, 131}) {
            for (const MenuDefinition& menu : MenuResource(resource)) {
                check(kMenuContext, menu.title);
                for (const MenuItem& item : menu.items) {
                    if (item.command == Command::None) continue;
                    check(kMenuContext, item.text);
                    check(kPromptContext, CommandPrompt(item.command));
                }
            }
        }
        for (const ToolbarButton& button : ToolbarResource()) {
            if (button.command == Command::None) continue;
            check(kMenuContext, button.tooltip);
            check(kPromptContext, CommandPrompt(button.command));
        }
        QCOMPARE(english, QStringList());

        // As the menus show them, for every type of document.
        TempFolder temp;
        EditorUnderTest editor;
        editor.Start({QString::fromStdString(temp.Write("a.stk", "")),
                      QString::fromStdString(temp.Write("b.stc", "")),
                      QString::fromStdString(temp.Write("c.sig", ""))});
        QCOMPARE(MenuItems(editor.Frame(), "Transformationen")[7],
                 QStringLiteral("Normale umkehren"));
        QCOMPARE(MenuItems(editor.Frame(), "Vorschau")[0], QStringLiteral("Vorschau anzeigen"));
        QCOMPARE(MenuItems(editor.Frame(), "Werkzeuge").last(), QStringLiteral("Flächen zählen"));
        QCOMPARE(
            MenuAction(editor.Frame(), "Werkzeuge", "cylinders")->statusTip(),
            QStringLiteral("Fügt die Flächen eines Zylinders oder Kegels an der Schreibmarke ein"));
    }

    void everyDialogAndWindowShowsGerman() {
        QList<QStringList> englishTexts;
        for (const auto& [name, make] : EditorWindows())
            englishTexts << ShownTexts(*make());
        const German german;
        int index = 0;
        for (const auto& [name, make] : EditorWindows()) {
            const QStringList germanTexts = ShownTexts(*make());
            const QStringList& englishOnes = englishTexts[index++];
            QCOMPARE(germanTexts.size(), englishOnes.size());
            for (qsizetype i = 0; i < germanTexts.size(); ++i) {
                if (germanTexts[i] != englishOnes[i]) continue;
                QVERIFY2(SameInBothLanguages(germanTexts[i]),
                         qPrintable(QStringLiteral("%1: \"%2\" is not German")
                                        .arg(QString::fromLatin1(name), germanTexts[i])));
            }
        }
    }

    void theFiltersAndTheProgramsMessagesAreGerman() {
        const German german;
        QCOMPARE(OpenFilters(),
                 (QStringList{"Lumtrak Fahrzeugdateien (*.stk)", "Lumtrak Szeneriedateien (*.stc)",
                              "Lumtrak Signaldateien (*.sig)", "Alle Dateien (*)"}));
        QCOMPARE(RegisteredTemplates()[1].ShownField(DocumentField::NewName),
                 QStringLiteral("Lumtrak Szenerie"));

        // The core's texts, with the names and numbers that they carry.
        auto shown = [](const std::string& bytes) { return ProgramText(bytes); };
        QCOMPARE(shown(std::string(tools::kNoCoPlaneMessage)),
                 QStringLiteral("Gemeinsame Ebene nicht erkennbar"));
        QCOMPARE(shown(std::string(stockindex::kRebuildComplete)),
                 QStringLiteral("Stock Index fertig"));
        QCOMPARE(shown(std::string(stockindex::kCannotWriteFile)),
                 QStringLiteral("Datei kann nicht geschrieben werden"));
        QCOMPARE(shown(std::string(platform::kCantOpenFile)),
                 QStringLiteral("Datei kann nicht geöffnet werden"));
        QCOMPARE(shown(std::string(platform::kCantMapFileView)),
                 QStringLiteral("Dateiansicht kann nicht zugeordnet werden"));
        QCOMPARE(shown(std::string(platform::kCantCreateFileMapping) + "1006 0 0"),
                 QStringLiteral("Dateizuordnung kann nicht erstellt werden.\n1006 0 0"));
        QCOMPARE(shown(std::string(model::kReadPOverrun) + "Class 40 \xA3%2"),
                 QStringLiteral("ReadP-Überlauf: Class 40 \u00A3%2"));
        const QString budget = shown(model::LoadBudgetNote(model::LoadLimits{}));
        QVERIFY2(budget.startsWith(QStringLiteral("Einbindungsbudget erschöpft: ")),
                 qPrintable(budget));
        QVERIFY(budget.contains(QString::number(model::LoadLimits{}.panels)));
        // Anything else, a folder's path for one, shows as it is.
        QCOMPARE(shown("/home/author/Stock"), QStringLiteral("/home/author/Stock"));

        // A message as the tools show it.
        EditorUnderTest editor(std::size_t(0));
        editor.Start();
        editor.View().LoadText("fill 0/0/0 1/0/0 1/1/0 0/1/0\r\nfill 5/5/5 6/6/6 7/7/8 9/9/9\r\n");
        editor.View().SetSelection({0, editor.View().Text().size()});
        QString message;
        WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        editor.Frame().ExecuteCommand(Command::CutOut);
        QCOMPARE(message, QStringLiteral("Gemeinsame Ebene nicht erkennbar"));
    }

    void qtsOwnDialogsSpeakGermanToo() {
        const German german;
        QFileDialog dialog(nullptr, QStringLiteral("x"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* fileName = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
        QVERIFY(fileName);
        QVERIFY2(fileName->text() != QStringLiteral("File &name:"), qPrintable(fileName->text()));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), fileName->text());
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::EditorGermanTest)
#include "editor_german_test.moc"

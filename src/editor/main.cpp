#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>
#include <string_view>

#include "editor/editor_translations.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/main_frame.h"
#include "editor/single_instance.h"
#include "lumtrak_version.h"
#include "platform/settings_store.h"
#include "qtshell/qt_settings_store.h"

namespace {

// The editor's options, described to a parser in the user's language.
struct EditorOptions {
    QCommandLineOption programDir{
        QStringLiteral("program-dir"),
        QCoreApplication::translate(
            "CommandLine",
            "The program folder, in which \"Stock Index\", the stock folders and \"Textures\" "
            "are found (default: $LUMTRAK_PROGRAM_DIR, else the folder of this program when it "
            "holds a \"Stock Index\", else the simulator's folder as asked for once)."),
        QStringLiteral("DIR")};
    QCommandLineOption newInstance{
        QStringLiteral("new-instance"),
        QCoreApplication::translate("CommandLine",
                                    "Start an editor of its own instead of handing the files to "
                                    "the one that runs.")};

    explicit EditorOptions(QCommandLineParser& parser) {
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
            "Lumtrak Stock Editor: edits stock (.stk), scenery (.stc) and signal (.sig) "
            "definitions.\nFiles named on the command line open with the type of their "
            "extension; when an editor\nruns already, it opens them instead."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(programDir);
        parser.addOption(newInstance);
        parser.addPositionalArgument(
            QStringLiteral("files"),
            QCoreApplication::translate("CommandLine", "Definitions to open."),
            QStringLiteral("[FILE...]"));
    }
};

// The editor's translation for the user's language; a translation that is
// missing is said on standard error, and the editor speaks English.
void Translate(QCoreApplication& application) {
    const QStringList folders = lumtrak::editor::EditorTranslationFolders();
    if (!lumtrak::editor::InstallTranslations(application, QLocale(), folders)) {
        std::fprintf(stderr, "lumtrak-stock-editor: no translation for %s in %s\n",
                     qPrintable(QLocale().name()), qPrintable(folders.join(QStringLiteral(", "))));
    }
}

// Shows the help or the version and exits, when the parsed line asks for one.
void AnswerHelpOrVersion(QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
}

// Whether the command line asks for the help or the version, which are given
// without starting the windows, so that they need no display.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") return false;
        for (const std::string_view option : {"-h", "-?", "--help", "-v", "--version"}) {
            if (argument == option) return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(
        QString::fromLatin1(lumtrak::platform::kEditorSettingsApplication));
    QCoreApplication::setOrganizationName(
        QString::fromLatin1(lumtrak::platform::kSettingsOrganisation));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kLumtrakVersion));
    // The help and the version need no display, so they are answered before
    // the windows start. A line that does not parse without them (it may hold
    // the windows' own options) is left to the parse below.
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication application(argc, argv);
        Translate(application);
        QCommandLineParser parser;
        const EditorOptions options(parser);
        if (parser.parse(QCoreApplication::arguments())) AnswerHelpOrVersion(parser);
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("lumtrak-stock-editor"));
    Translate(application);
    QCommandLineParser parser;
    const EditorOptions options(parser);
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "lumtrak-stock-editor: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    AnswerHelpOrVersion(parser);
    const QCommandLineOption& programDir = options.programDir;
    const QCommandLineOption& newInstance = options.newInstance;

    lumtrak::qtshell::QtSettingsStore settings(
        QString::fromLatin1(lumtrak::platform::kSettingsOrganisation),
        QString::fromLatin1(lumtrak::platform::kEditorSettingsApplication));
    lumtrak::qtshell::QtSettingsStore installSettings(
        QString::fromLatin1(lumtrak::platform::kSettingsOrganisation),
        QString::fromLatin1(lumtrak::platform::kInstallSettingsApplication));
    lumtrak::editor::CLumtrakStockEditorApp editor(
        settings, parser.isSet(newInstance) ? QString()
                                            : lumtrak::editor::SingleInstance::DefaultSocketPath());
    switch (editor.InitInstance(
        {parser.positionalArguments(), parser.value(programDir), &installSettings})) {
        case lumtrak::editor::CLumtrakStockEditorApp::StartUp::HandedOver:
            return 0;
        case lumtrak::editor::CLumtrakStockEditorApp::StartUp::Failed:
            return 1;
        case lumtrak::editor::CLumtrakStockEditorApp::StartUp::Running:
            break;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(editor.MainFrame(), &lumtrak::editor::CMainFrame::closed, &application,
                     &QApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}

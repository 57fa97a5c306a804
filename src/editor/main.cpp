#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>

#include "editor/editor_translations.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/main_frame.h"
#include "editor/single_instance.h"
#include "lumtrak_version.h"
#include "platform/settings_store.h"
#include "qtshell/qt_settings_store.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QString::fromLatin1(lumtrak::platform::kEditorSettingsApplication));
    QApplication::setOrganizationName(
        QString::fromLatin1(lumtrak::platform::kSettingsOrganisation));
    QApplication::setApplicationVersion(QString::fromLatin1(kLumtrakVersion));
    lumtrak::editor::InstallTranslations(application, QLocale());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lumtrak Stock Editor: edits stock (.stk), scenery (.stc) and signal (.sig) definitions.\n"
        "Files named on the command line open with the type of their extension; when an editor\n"
        "runs already, it opens them instead."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption programDir(
        QStringLiteral("program-dir"),
        QStringLiteral("The program folder, in which \"Stock Index\", the stock folders and "
                       "\"Textures\" are found (default: $LUMTRAK_PROGRAM_DIR, else the folder "
                       "of this program)."),
        QStringLiteral("DIR"));
    parser.addOption(programDir);
    const QCommandLineOption newInstance(
        QStringLiteral("new-instance"),
        QStringLiteral("Start an editor of its own instead of handing the files to the one that "
                       "runs."));
    parser.addOption(newInstance);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Definitions to open."),
                                 QStringLiteral("[FILE...]"));
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "lumtrak-stock-editor: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

    lumtrak::qtshell::QtSettingsStore settings(
        QString::fromLatin1(lumtrak::platform::kSettingsOrganisation),
        QString::fromLatin1(lumtrak::platform::kEditorSettingsApplication));
    lumtrak::editor::CLumtrakStockEditorApp editor(
        settings, parser.isSet(newInstance) ? QString()
                                            : lumtrak::editor::SingleInstance::DefaultSocketPath());
    switch (editor.InitInstance({parser.positionalArguments(), parser.value(programDir)})) {
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

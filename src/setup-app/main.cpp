#include <QApplication>
#include <QCommandLineParser>

#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "qtshell/qt_settings_store.h"
#include "setup-app/setup_dialog.h"
#include "setup/default_folders.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Installs the Lumtrak package into a folder of your choice."));
    parser.addHelpOption();
    const QCommandLineOption source(
        QStringLiteral("source"),
        QStringLiteral("The package folder (default: the folder of this program)."),
        QStringLiteral("DIR"));
    parser.addOption(source);
    parser.process(application);

    lumtrak::qtshell::QtSettingsStore settings(lumtrak::platform::kSettingsOrganisation,
                                               lumtrak::platform::kInstallSettingsApplication);
    const lumtrak::setupapp::SetupPlaces places{
        parser.isSet(source) ? parser.value(source).toStdString()
                             : lumtrak::platform::ExecutableFolder(),
        lumtrak::setup::DefaultStartMenuFolder(),
        lumtrak::setup::DefaultSystemFolder(),
    };
    lumtrak::setupapp::SetupDialog dialog(settings, places);
    dialog.exec();
    return 0;
}

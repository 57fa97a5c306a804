#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <optional>
#include <string>

#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "qtshell/qt_settings_store.h"
#include "setup-app/setup_dialog.h"
#include "setup/default_folders.h"
#include "setup/installation.h"

namespace {

QIcon SetupIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/%1/lumtrak-setup.png").arg(size));
    return icon;
}

// The package to install: --source, else the folder of this program when the
// package lies beside it, else the folder that the user picks (an installed
// setup program lies in a folder of programs); nothing when the user cancels.
std::optional<std::string> PackageFolder(const QCommandLineParser& parser,
                                         const QCommandLineOption& source) {
    if (parser.isSet(source)) return parser.value(source).toStdString();
    const std::string own = lumtrak::platform::ExecutableFolder();
    if (lumtrak::setup::HoldsPackage(own)) return own;
    const QString chosen = QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Choose the unpacked Lumtrak package"), QDir::homePath(),
        QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("lumtrak-setup"));
    QApplication::setWindowIcon(SetupIcon());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Installs the Lumtrak package into a folder of your choice."));
    parser.addHelpOption();
    const QCommandLineOption source(
        QStringLiteral("source"),
        QStringLiteral("The package folder (default: the folder of this program when the "
                       "package lies in it, else the folder chosen when asked)."),
        QStringLiteral("DIR"));
    parser.addOption(source);
    parser.process(application);

    const std::optional<std::string> package = PackageFolder(parser, source);
    if (!package) return 0;
    lumtrak::qtshell::QtSettingsStore settings(lumtrak::platform::kSettingsOrganisation,
                                               lumtrak::platform::kInstallSettingsApplication);
    const lumtrak::setupapp::SetupPlaces places{
        *package,
        lumtrak::setup::DefaultStartMenuFolder(),
        lumtrak::setup::DefaultSystemFolder(),
    };
    lumtrak::setupapp::SetupDialog dialog(settings, places);
    dialog.exec();
    return 0;
}

#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "cli/common_options.h"
#include "platform/ini_settings_store.h"
#include "platform/program_folder.h"
#include "setup/completion_message.h"
#include "setup/default_folders.h"
#include "setup/installation.h"

namespace lumtrak::cli {
namespace {

std::string FolderOption(const Arguments& arguments, std::string_view option,
                         std::string fallback) {
    const auto value = arguments.Value(option);
    if (!value) return fallback;
    if (value->empty()) throw UsageError("option " + std::string(option) + " needs a folder");
    return *value;
}

int RunInstall(const Arguments& arguments) {
    setup::InstallFolders folders;
    if (!arguments.Has("--target")) throw UsageError("missing --target");
    folders.target = FolderOption(arguments, "--target", {});
    folders.package = FolderOption(arguments, "--source", platform::ExecutableFolder());
    folders.startMenu =
        FolderOption(arguments, "--start-menu-dir", setup::DefaultStartMenuFolder());
    folders.system = FolderOption(arguments, "--system-dir", setup::DefaultSystemFolder());
    std::error_code error;
    if (!std::filesystem::is_directory(folders.package, error)) {
        throw UsageError("cannot read package folder '" + folders.package + "' (--source)");
    }

    setup::InstallOptions options;
    options.startMenuItems = arguments.Has("--start-menu");
    options.sampleLayouts = !arguments.Has("--no-samples");

    platform::IniSettingsStore settings(platform::IniSettingsStore::UserFilePath(
        platform::kSettingsOrganisation, platform::kInstallSettingsApplication));
    const auto report = setup::Install(folders, options, settings);
    std::cerr << setup::ProblemDetails(report) << std::flush;
    WriteStdout(std::string(setup::kSetupComplete) + "\n");
    return 0;
}

}  // namespace

Command InstallCommand() {
    return {
        "install",
        "--target DIR [--source DIR] [--start-menu] [--no-samples] [--start-menu-dir DIR] "
        "[--system-dir DIR]",
        "install the simulator package into a folder as the setup dialog does",
        {{"--target", true, "the install folder"},
         {"--source", true, "the package folder (default: the folder of this program)"},
         {"--start-menu", false, "create start menu items"},
         {"--no-samples", false, "leave out the sample layouts"},
         {"--start-menu-dir", true,
          "the applications folder (default: $XDG_DATA_HOME/applications)"},
         {"--system-dir", true,
          "where the screen saver goes (default: $XDG_DATA_HOME/lumtrak/system)"}},
        FileArgument::None,
        &RunInstall,
    };
}

}  // namespace lumtrak::cli

#include "setup/default_folders.h"

#include <cstdlib>
#include <filesystem>

#include "setup/folder_paths.h"
#include "setup/package_layout.h"

namespace lumtrak::setup {
namespace {

std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    // Relative values are not valid for the desktop's folder variables.
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

std::string HomeFolder() {
    std::string home = AbsoluteFromEnvironment("HOME");
    if (home.empty()) {
        std::error_code error;
        home = std::filesystem::current_path(error).string();
    }
    return WithTrailingSlash(home);
}

std::string DataHome() {
    const std::string data = AbsoluteFromEnvironment("XDG_DATA_HOME");
    if (!data.empty()) return WithTrailingSlash(data);
    return HomeFolder() + ".local/share/";
}

}  // namespace

std::string DefaultInstallFolder() {
    return HomeFolder() + "Lumtrak/";
}

std::string DefaultStartMenuFolder() {
    return DataHome() + "applications";
}

std::string DefaultSystemFolder() {
    return DataHome() + "lumtrak/system";
}

std::string InitialInstallFolder(platform::SettingsStore& settings) {
    return settings.Read(kPathsGroup, kProgramKey).value_or(DefaultInstallFolder());
}

}  // namespace lumtrak::setup

#include "setup/default_folders.h"

#include "platform/user_folders.h"
#include "setup/package_layout.h"

namespace lumtrak::setup {
std::string DefaultInstallFolder() {
    return platform::UserHomeFolder() + "Lumtrak/";
}

std::string DefaultStartMenuFolder() {
    return platform::UserDataFolder() + "applications";
}

std::string DefaultSystemFolder() {
    return platform::UserDataFolder() + "lumtrak/system";
}

std::string InitialInstallFolder(platform::SettingsStore& settings) {
    return settings.Read(platform::kPathsGroup, platform::kProgramKey)
        .value_or(DefaultInstallFolder());
}

}  // namespace lumtrak::setup

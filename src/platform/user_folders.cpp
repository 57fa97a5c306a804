#include "platform/user_folders.h"

#include <cstdlib>
#include <filesystem>

#include "platform/path_parts.h"

namespace lumtrak::platform {
namespace {

// Relative values are not valid for the desktop's folder variables.
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

}  // namespace

std::string UserHomeFolder() {
    std::string home = AbsoluteFromEnvironment("HOME");
    if (home.empty()) {
        std::error_code error;
        home = std::filesystem::current_path(error).string();
    }
    return WithTrailingSlash(home);
}

std::string UserDataFolder() {
    const std::string data = AbsoluteFromEnvironment("XDG_DATA_HOME");
    if (!data.empty()) return WithTrailingSlash(data);
    return UserHomeFolder() + ".local/share/";
}

}  // namespace lumtrak::platform

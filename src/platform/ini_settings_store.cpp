#include "platform/ini_settings_store.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_replacement.h"
#include "platform/ini_text.h"
#include "platform/last_error.h"
#include "platform/whole_file.h"

namespace lumtrak::platform {
namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* entry = ::getpwuid(::getuid());
        entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return {};
}

// Makes the folder holding path and the folders above it that are missing.
std::error_code MakeFolderOf(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
            return LastError();
        }
    }
    return {};
}

}  // namespace

std::string IniSettingsStore::UserFilePath(std::string_view organisation,
                                           std::string_view application) {
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') {
        folder = config;
    } else {
        folder = HomeFolder() + "/.config";
    }
    return folder + "/" + std::string(organisation) + "/" + std::string(application) + ".conf";
}

std::optional<std::string> IniSettingsStore::Read(const std::string& group,
                                                  const std::string& key) {
    const auto text = ReadWholeFile(path_);
    if (!text) return std::nullopt;
    return ReadIniValue(*text, group, key);
}

void IniSettingsStore::Write(const std::string& group, const std::string& key,
                             const std::string& value) {
    // A file that is there but cannot be read is left alone, not overwritten.
    std::error_code readError;
    const auto text = ReadWholeFile(path_, &readError);
    if (!text && readError != std::errc::no_such_file_or_directory) {
        writeError_ = readError;
        return;
    }
    writeError_ = MakeFolderOf(path_);
    if (writeError_) return;
    writeError_ = ReplaceFile(path_, SetIniValue(text.value_or(""), group, key, value)).error;
}

}  // namespace lumtrak::platform

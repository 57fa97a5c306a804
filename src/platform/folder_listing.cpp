#include "platform/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace lumtrak::platform {
namespace {

FolderEntry::Kind KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return FolderEntry::Kind::Folder;
    if (S_ISREG(mode)) return FolderEntry::Kind::File;
    return FolderEntry::Kind::Other;
}

FolderEntry::Kind KindOf(DIR* dir, const dirent& entry) {
    switch (entry.d_type) {
        case DT_DIR:
            return FolderEntry::Kind::Folder;
        case DT_REG:
            return FolderEntry::Kind::File;
        case DT_LNK:
        case DT_UNKNOWN: {
            struct stat info {};
            if (::fstatat(::dirfd(dir), entry.d_name, &info, 0) != 0) {
                return FolderEntry::Kind::Other;
            }
            return KindOf(info.st_mode);
        }
        default:
            return FolderEntry::Kind::Other;
    }
}

}  // namespace

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        entries.push_back({std::string(name), KindOf(dir.get(), *entry)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace lumtrak::platform

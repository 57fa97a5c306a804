#include "platform/folder_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "platform/file_descriptor.h"

namespace lumtrak::platform {
namespace {

FolderEntry::Kind KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return FolderEntry::Kind::Folder;
    if (S_ISREG(mode)) return FolderEntry::Kind::File;
    return FolderEntry::Kind::Other;
}

// What the entry is, and whether it is a link; the file system's own word
// (d_type) where it gives one, else asked of the entry.
void Describe(int folder, const dirent& found, FolderEntry& entry) {
    struct stat info {};
    switch (found.d_type) {
        case DT_DIR:
            entry.kind = FolderEntry::Kind::Folder;
            return;
        case DT_REG:
            entry.kind = FolderEntry::Kind::File;
            return;
        case DT_LNK:
            entry.link = true;
            break;
        case DT_UNKNOWN:
            if (::fstatat(folder, found.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return;
            entry.link = S_ISLNK(info.st_mode);
            if (!entry.link) {
                entry.kind = KindOf(info.st_mode);
                return;
            }
            break;
        default:
            return;
    }
    if (::fstatat(folder, found.d_name, &info, 0) == 0) entry.kind = KindOf(info.st_mode);
}

// Calls take(found) for each entry of the folder open as folder, in the
// folder's order; false when the folder cannot be read.
template <typename Take>
bool ReadFolder(int folder, Take take) {
    // fdopendir takes the descriptor it reads, so it gets one of its own.
    FileDescriptor own(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!own.IsOpen()) return false;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(own.Get()), &::closedir);
    if (!dir) return false;
    own.Release();
    while (const dirent* found = ::readdir(dir.get()))
        take(*found);
    return true;
}

}  // namespace

std::optional<std::vector<FolderEntry>> ListFolderAt(int folder) {
    std::vector<FolderEntry> entries;
    const bool read = ReadFolder(folder, [&](const dirent& found) {
        const std::string_view name = found.d_name;
        if (name == "." || name == "..") return;
        FolderEntry entry{std::string(name)};
        Describe(folder, found, entry);
        entries.push_back(std::move(entry));
    });
    if (!read) return std::nullopt;
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) {
    const FileDescriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.IsOpen()) return std::nullopt;
    return ListFolderAt(opened.Get());
}

std::optional<std::vector<std::string>> FolderNamesAt(int folder) {
    std::vector<std::string> names;
    if (!ReadFolder(folder, [&](const dirent& found) { names.emplace_back(found.d_name); })) {
        return std::nullopt;
    }
    return names;
}

}  // namespace lumtrak::platform

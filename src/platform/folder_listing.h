#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumtrak::platform {

// One entry of a folder; links are taken as what they point to, and say that
// they are links.
struct FolderEntry {
    enum class Kind { File, Folder, Other };
    std::string name;
    Kind kind = Kind::Other;
    bool link = false;
    bool operator==(const FolderEntry&) const = default;
};

// The entries of a folder other than "." and "..", sorted by name in byte
// order, so that every machine lists a folder alike. Nothing when the folder
// cannot be read. The folder is given by path or as an open descriptor.
std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder);
std::optional<std::vector<FolderEntry>> ListFolderAt(int folder);

// The names in the folder open as folder, "." and ".." among them, in the
// folder's own order. Nothing when the folder cannot be read.
std::optional<std::vector<std::string>> FolderNamesAt(int folder);

}  // namespace lumtrak::platform

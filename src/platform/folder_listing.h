#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumtrak::platform {

// One entry of a folder; links are taken as what they point to.
struct FolderEntry {
    enum class Kind { File, Folder, Other };
    std::string name;
    Kind kind = Kind::Other;
    bool operator==(const FolderEntry&) const = default;
};

// The entries of a folder other than "." and "..", sorted by name in byte
// order, so that every machine lists a folder alike. Nothing when the folder
// cannot be read.
std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder);

}  // namespace lumtrak::platform

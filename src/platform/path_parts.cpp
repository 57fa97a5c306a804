#include "platform/path_parts.h"

namespace lumtrak::platform {

PathParts SplitPath(std::string_view path) {
    const std::string_view prefix = FolderPrefixOf(path);
    std::string folder = prefix.empty()       ? std::string(".")
                         : prefix.size() == 1 ? std::string("/")
                                              : std::string(prefix.substr(0, prefix.size() - 1));
    return {std::move(folder), std::string(NameOf(path))};
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace lumtrak::platform

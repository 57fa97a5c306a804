#pragma once

#include <string>
#include <string_view>

// The parts of a path, split at its last '/'.
namespace lumtrak::platform {

// The path up to and including its last '/'; empty when it has none.
constexpr std::string_view FolderPrefixOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

// What follows the last '/': the whole path when it has none, empty when it
// ends in '/'.
constexpr std::string_view NameOf(std::string_view path) {
    return path.substr(FolderPrefixOf(path).size());
}

// The folder to open for a path's name: the prefix without its '/', "/" for
// a name in the root, "." when the path has no '/'.
struct PathParts {
    std::string folder;
    std::string name;
};
PathParts SplitPath(std::string_view path);

// The folder with a '/' at its end.
std::string WithTrailingSlash(std::string folder);

static_assert(FolderPrefixOf("a/b/c") == "a/b/" && NameOf("a/b/c") == "c");
static_assert(FolderPrefixOf("c").empty() && NameOf("c") == "c");
static_assert(FolderPrefixOf("/c") == "/" && NameOf("a/").empty());

}  // namespace lumtrak::platform

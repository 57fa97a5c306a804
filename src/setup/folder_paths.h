#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/path_parts.h"

// Folder helpers of the installation. It works on absolute paths throughout, so
// that it never needs to change the process's current folder.
namespace lumtrak::setup {

using platform::WithTrailingSlash;

// The folder as an absolute path ending in "/"; a relative one is taken against
// the current folder.
std::string AbsoluteFolder(const std::string& folder);

// Creates an absolute folder path one level at a time from the top down: the
// folder named by the text before every "/" after the first. Existing levels
// are fine; failures are left for the caller to notice.
void CreateFolderLevels(const std::string& folder);

// The entry `name` of folder, as written or else matched without regard to case.
// Nothing when folder does not exist as written, or when nothing matches.
std::optional<std::string> FindInFolder(const std::string& folder, std::string_view name);

// Whether path is a folder itself and not a link to one.
bool IsPlainFolder(const std::string& path);

// The names of the files and links in folder that end in `extension` (".trk"),
// compared without regard to case, in name order.
std::vector<std::string> NamesWithExtension(const std::string& folder, std::string_view extension);

// The path of a file chosen in a file dialog, up to and including its last "/".
std::string FolderOfChosenFile(std::string_view path);

}  // namespace lumtrak::setup

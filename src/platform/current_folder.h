#pragma once

#include <cstdint>
#include <string>

namespace lumtrak::platform {

// The process-wide current folder. Every change of it goes through here, so that
// relative file names are resolved in one place.
bool ChangeCurrentFolder(const std::string& folder);
std::string CurrentFolder();

// How many changes of the current folder this process has asked for: whoever
// needs a folder to be current can tell whether anything changed it since.
std::uint64_t CurrentFolderChanges();

}  // namespace lumtrak::platform

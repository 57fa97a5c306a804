#pragma once

#include <string>

namespace lumtrak::platform {

// The process-wide current folder. Every change of it goes through here, so that
// relative file names are resolved in one place.
bool ChangeCurrentFolder(const std::string& folder);
std::string CurrentFolder();

}  // namespace lumtrak::platform

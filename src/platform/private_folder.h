#pragma once

#include <optional>
#include <string>

namespace lumtrak::platform {

// A folder that only this user can enter, at path: made with mode 0700 when
// nothing stands there, its mode narrowed to 0700 when it is this user's
// folder. Nothing when what stands there is not a folder of this user's (a
// link, a file, another user's folder), since then others could reach what is
// put into it.
std::optional<std::string> PrivateFolder(const std::string& path);

}  // namespace lumtrak::platform

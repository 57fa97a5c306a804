#pragma once

#include <optional>
#include <string>

namespace lumtrak::platform {

// Opens a file for reading without ever blocking: a FIFO, a device, a socket or
// a folder is refused like a file that cannot be opened, since opening or
// reading one could wait forever. Gives the descriptor of a regular file, or -1.
int OpenRegularFile(const std::string& path);

// The whole content of the regular file at path, read as raw bytes, or nothing
// when it cannot be opened (see OpenRegularFile) or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace lumtrak::platform

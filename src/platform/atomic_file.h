#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace lumtrak::platform {

// Writes bytes as the whole content of the file at path, atomically: they go to a
// new file beside it, which is flushed to disk and then renamed over path, so the
// old file stays whole until the new one is complete. An existing file keeps its
// permissions; a link is followed and the file it names is replaced.
std::error_code WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace lumtrak::platform

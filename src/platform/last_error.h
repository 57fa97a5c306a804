#pragma once

#include <cerrno>
#include <system_error>

namespace lumtrak::platform {

// The error of the system call that has just failed (errno), whose message()
// is the system's text for it. Read it before anything else can change errno.
inline std::error_code LastError() {
    return {errno, std::generic_category()};
}

}  // namespace lumtrak::platform

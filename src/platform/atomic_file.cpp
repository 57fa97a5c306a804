#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace lumtrak::platform {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// The file a path finally names, following links; the path itself when it does
// not exist yet.
std::string FollowLinks(const std::string& path) {
    std::vector<char> resolved(PATH_MAX + 1);
    if (::realpath(path.c_str(), resolved.data()) != nullptr) return resolved.data();
    return path;
}

std::error_code WriteAll(int handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(handle, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

std::error_code WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = FollowLinks(path);
    struct stat existing {};
    mode_t mode = NewFileMode();
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) return std::make_error_code(std::errc::invalid_argument);
        mode = existing.st_mode & 07777;
    }
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = (slash == std::string::npos ? "./" : folder) + "." + name + ".XXXXXX";

    const int handle = ::mkstemp(temporary.data());
    if (handle < 0) return LastError();
    std::error_code error = WriteAll(handle, bytes);
    if (!error && ::fchmod(handle, mode) != 0) error = LastError();
    if (!error && ::fsync(handle) != 0) error = LastError();
    if (::close(handle) != 0 && !error) error = LastError();
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = LastError();
    if (error) ::unlink(temporary.c_str());
    return error;
}

}  // namespace lumtrak::platform

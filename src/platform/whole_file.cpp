#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace lumtrak::platform {

int OpenRegularFile(const std::string& path) {
    // O_NONBLOCK keeps open() of a FIFO without a writer from waiting; the
    // flag is dropped again for the regular file that is kept.
    const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (handle < 0) return -1;
    struct stat info {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(handle);
        return -1;
    }
    const int flags = ::fcntl(handle, F_GETFL);
    if (flags != -1) ::fcntl(handle, F_SETFL, flags & ~O_NONBLOCK);
    return handle;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int handle = OpenRegularFile(path);
    if (handle < 0) return std::nullopt;
    std::string content;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(handle, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(handle);
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(handle);
    return content;
}

}  // namespace lumtrak::platform

#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

#include "platform/last_error.h"

namespace lumtrak::platform {

std::optional<FileLock> FileLock::TryLock(const std::string& path, std::error_code& error) {
    FileDescriptor handle(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!handle.IsOpen() || ::flock(handle.Get(), LOCK_EX | LOCK_NB) != 0) {
        error = LastError();
        return std::nullopt;
    }
    error.clear();
    return FileLock(std::move(handle), path);
}

bool FileLock::HeldElsewhere(const std::error_code& error) {
    return error == std::errc::resource_unavailable_try_again ||
           error == std::errc::operation_would_block;
}

void FileLock::RemoveFile() {
    if (handle_.IsOpen()) ::unlink(path_.c_str());
}

}  // namespace lumtrak::platform

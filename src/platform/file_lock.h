#pragma once

#include <optional>
#include <string>
#include <system_error>

#include "platform/file_descriptor.h"

namespace lumtrak::platform {

// An exclusive lock on a file that stands for a running program: held while
// the object lives, and let go by the system when the process ends, however
// it ends (a crash, a kill), so that a lock file whose lock can be taken
// belongs to a program that no longer runs. Locks of separate opens conflict
// even within one process.
class FileLock {
  public:
    // Takes the lock on the file at path, making the file (mode 0600) when it
    // is missing; never waits. Nothing when another holds the lock
    // (HeldElsewhere(error) is then true) or the file cannot be opened; a
    // link at path is refused.
    static std::optional<FileLock> TryLock(const std::string& path, std::error_code& error);
    // Whether TryLock failed because another holds the lock.
    static bool HeldElsewhere(const std::error_code& error);

    const std::string& Path() const { return path_; }
    // Removes the file while the lock is still held, so that nobody can take
    // it in between and find the file gone under them.
    void RemoveFile();

  private:
    FileLock(FileDescriptor handle, std::string path)
        : handle_(std::move(handle)), path_(std::move(path)) {}

    FileDescriptor handle_;
    std::string path_;
};

}  // namespace lumtrak::platform

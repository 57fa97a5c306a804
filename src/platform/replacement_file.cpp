#include "platform/replacement_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace lumtrak::platform {

ReplacementFile::~ReplacementFile() {
    Discard();
}

bool ReplacementFile::Create(std::string targetPath, std::string temporaryPath) {
    Discard();
    targetPath_ = std::move(targetPath);
    temporaryPath_ = std::move(temporaryPath);
    failed_ = false;
    // A file, link or FIFO left at the temporary name is removed, and the new
    // file is created exclusively: nothing is written through a link and the
    // open never waits for a reader.
    ::unlink(temporaryPath_.c_str());
    handle_ = ::open(temporaryPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return handle_ >= 0;
}

void ReplacementFile::Write(std::string_view bytes) {
    if (handle_ < 0 || failed_) return;
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize) Flush();
}

bool ReplacementFile::Flush() {
    std::size_t done = 0;
    while (!failed_ && done < buffer_.size()) {
        const ssize_t written = ::write(handle_, buffer_.data() + done, buffer_.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0)
            failed_ = true;
        else
            done += std::size_t(written);
    }
    buffer_.clear();
    return !failed_;
}

bool ReplacementFile::Commit() {
    if (handle_ < 0) return false;
    bool done = Flush() && ::fsync(handle_) == 0;
    done = ::close(handle_) == 0 && done;
    handle_ = -1;
    done = done && std::rename(temporaryPath_.c_str(), targetPath_.c_str()) == 0;
    if (!done) ::unlink(temporaryPath_.c_str());
    return done;
}

void ReplacementFile::Discard() {
    if (handle_ < 0) return;
    ::close(handle_);
    handle_ = -1;
    ::unlink(temporaryPath_.c_str());
    buffer_.clear();
}

}  // namespace lumtrak::platform

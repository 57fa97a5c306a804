#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/last_error.h"

namespace lumtrak::platform {
namespace {

class FileErrorCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "lumtrak file"; }
    std::string message(int) const override { return "not a regular file"; }
};

std::ptrdiff_t ReadSomeFrom(int handle, std::span<char> into) {
    for (;;) {
        const ssize_t got = ::read(handle, into.data(), into.size());
        if (got >= 0 || errno != EINTR) return got;
    }
}

}  // namespace

std::error_code NotARegularFileError() {
    static const FileErrorCategory category;
    return {1, category};
}

int OpenRegularFile(const std::string& path, std::error_code& error, std::int64_t* size) {
    return OpenRegularFileAt(AT_FDCWD, path, error, size);
}

int OpenRegularFileAt(int folder, const std::string& path, std::error_code& error,
                      std::int64_t* size) {
    // O_NONBLOCK keeps open() of a FIFO without a writer from waiting. On the
    // regular file that is kept it changes nothing, so it stays: the rebuild
    // opens thousands of files, each a call less.
    const int handle = ::openat(folder, path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (handle < 0) {
        error = LastError();
        return -1;
    }
    struct stat info {};
    if (::fstat(handle, &info) != 0) {
        error = LastError();
    } else if (S_ISDIR(info.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
    } else if (!S_ISREG(info.st_mode)) {
        error = NotARegularFileError();
    } else {
        error.clear();
        if (size != nullptr) *size = static_cast<std::int64_t>(info.st_size);
        return handle;
    }
    ::close(handle);
    return -1;
}

int OpenRegularFile(const std::string& path) {
    std::error_code ignored;
    return OpenRegularFile(path, ignored);
}

bool ReadExactly(int handle, std::span<char> into) {
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t got = ::pread(handle, into.data() + done, into.size() - done, off_t(done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += std::size_t(got);
    }
    return true;
}

std::error_code ReadToEnd(int handle, std::string& content) {
    char buffer[1 << 16];
    for (;;) {
        const std::ptrdiff_t got = ReadSomeFrom(handle, buffer);
        if (got < 0) return LastError();
        if (got == 0) return {};
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::error_code* error) {
    std::error_code failure;
    std::string content;
    const int handle = OpenRegularFile(path, failure);
    if (handle >= 0) {
        failure = ReadToEnd(handle, content);
        ::close(handle);
    }
    if (error != nullptr) *error = failure;
    if (failure) return std::nullopt;
    return content;
}

RegularFileReader::RegularFileReader(const std::string& path)
    : handle_(OpenRegularFile(path, openError_)) {}

RegularFileReader::~RegularFileReader() {
    if (handle_ >= 0) ::close(handle_);
}

std::ptrdiff_t RegularFileReader::ReadSome(std::span<char> into) {
    return ReadSomeFrom(handle_, into);
}

}  // namespace lumtrak::platform

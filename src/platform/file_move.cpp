#include "platform/file_move.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/file_replacement.h"
#include "platform/last_error.h"

namespace lumtrak::platform {
namespace {

// Copies a regular file over `to` (the name itself, whatever stands there),
// with its permissions and times.
std::error_code CopyRegularFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (in < 0) return LastError();
    struct stat info {};
    std::error_code error;
    if (::fstat(in, &info) != 0) {
        error = LastError();
    } else if (!S_ISREG(info.st_mode)) {
        error = std::make_error_code(std::errc::operation_not_supported);
    }
    FileReplacement copy;
    if (!error) {
        ReplacementOptions options;
        options.replaceName = true;
        options.mode = info.st_mode & 07777;
        options.accessTime = info.st_atim;
        options.modificationTime = info.st_mtim;
        error = copy.Open(to, options);
    }
    std::vector<char> buffer(1 << 16);
    while (!error) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) error = LastError();
        if (got <= 0) break;
        copy.Write(std::string_view(buffer.data(), std::size_t(got)));
    }
    if (!error) error = copy.Commit();
    ::close(in);
    return error;
}

// Makes a link at `to` with the same text as the link `from`.
std::error_code CopyLink(const std::string& from, const struct stat& info, const std::string& to) {
    std::vector<char> text(std::size_t(info.st_size) + 1);
    for (;;) {
        const ssize_t length = ::readlink(from.c_str(), text.data(), text.size());
        if (length < 0) return LastError();
        if (std::size_t(length) < text.size()) {
            text.resize(std::size_t(length));
            break;
        }
        text.resize(text.size() * 2);
    }
    return ReplaceWithLink(to, std::string(text.begin(), text.end()), info.st_mtim);
}

}  // namespace

FileMoveResult MoveFileOrLink(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0) return {LastError()};
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) {
        return {std::make_error_code(std::errc::operation_not_supported)};
    }
    if (::rename(from.c_str(), to.c_str()) == 0) return {};
    if (errno != EXDEV) return {LastError()};
    return MoveByCopying(from, to);
}

FileMoveResult MoveByCopying(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0) return {LastError()};
    std::error_code error;
    if (S_ISLNK(info.st_mode)) {
        error = CopyLink(from, info, to);
    } else if (S_ISREG(info.st_mode)) {
        error = CopyRegularFile(from, to);
    } else {
        error = std::make_error_code(std::errc::operation_not_supported);
    }
    if (error) return {error};
    if (::unlink(from.c_str()) != 0) return {LastError(), true};
    return {};
}

}  // namespace lumtrak::platform

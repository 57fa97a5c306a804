#include "platform/file_move.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <vector>

namespace lumtrak::platform {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class FileHandle {
  public:
    explicit FileHandle(int handle = -1) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    int Get() const { return handle_; }
    bool Valid() const { return handle_ >= 0; }
    int Close() {
        const int result = handle_ >= 0 ? ::close(handle_) : 0;
        handle_ = -1;
        return result;
    }

  private:
    int handle_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Creates a new entry with a name of its own in folder; create is given the
// candidate path and fails with EEXIST when the name is taken.
std::error_code CreateUnique(const std::string& folder,
                             const std::function<bool(const std::string&)>& create,
                             std::string& created) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::string candidate = folder + "/.lumtrak-move-" + std::to_string(::getpid()) +
                                      "-" + std::to_string(++counter);
        if (create(candidate)) {
            created = candidate;
            return {};
        }
        if (errno != EEXIST) return LastError();
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code WriteAll(int handle, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(handle, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        data += written;
        size -= std::size_t(written);
    }
    return {};
}

std::error_code CopyContent(int from, int to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        if (got == 0) return {};
        if (auto error = WriteAll(to, buffer.data(), std::size_t(got))) return error;
    }
}

// Copies a regular file into a new file in folder; `copy` names it on success.
std::error_code CopyRegularFile(const std::string& from, const std::string& folder,
                                std::string& copy) {
    FileHandle in(::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.Valid()) return LastError();
    struct stat info {};
    if (::fstat(in.Get(), &info) != 0) return LastError();
    if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::operation_not_supported);

    int created = -1;
    if (auto error = CreateUnique(
            folder,
            [&](const std::string& candidate) {
                created = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
                return created >= 0;
            },
            copy)) {
        return error;
    }
    FileHandle out(created);
    const timespec times[2] = {info.st_atim, info.st_mtim};
    std::error_code error = CopyContent(in.Get(), out.Get());
    // The time is set after the last write, which would otherwise change it.
    if (!error && ::fchmod(out.Get(), info.st_mode & 07777) != 0) error = LastError();
    if (!error && ::futimens(out.Get(), times) != 0) error = LastError();
    if (!error && ::fsync(out.Get()) != 0) error = LastError();
    if (out.Close() != 0 && !error) error = LastError();
    if (error) ::unlink(copy.c_str());
    return error;
}

// Makes a new link in folder with the same text as the link `from`.
std::error_code CopyLink(const std::string& from, const struct stat& info,
                         const std::string& folder, std::string& copy) {
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
    const std::string target(text.begin(), text.end());
    if (auto error = CreateUnique(
            folder,
            [&](const std::string& candidate) {
                return ::symlink(target.c_str(), candidate.c_str()) == 0;
            },
            copy)) {
        return error;
    }
    // Not every file system keeps times on links; the link itself is what counts.
    const timespec times[2] = {info.st_atim, info.st_mtim};
    ::utimensat(AT_FDCWD, copy.c_str(), times, AT_SYMLINK_NOFOLLOW);
    return {};
}

void SyncFolder(const std::string& folder) {
    FileHandle handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.Valid()) ::fsync(handle.Get());
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
    const std::string folder = FolderOf(to);
    std::string copy;
    std::error_code error;
    if (S_ISLNK(info.st_mode)) {
        error = CopyLink(from, info, folder, copy);
    } else if (S_ISREG(info.st_mode)) {
        error = CopyRegularFile(from, folder, copy);
    } else {
        error = std::make_error_code(std::errc::operation_not_supported);
    }
    if (error) return {error};
    if (::rename(copy.c_str(), to.c_str()) != 0) {
        error = LastError();
        ::unlink(copy.c_str());
        return {error};
    }
    SyncFolder(folder);
    if (::unlink(from.c_str()) != 0) return {LastError(), true};
    return {};
}

}  // namespace lumtrak::platform

#include "platform/file_replacement.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <functional>
#include <vector>

#include "platform/last_error.h"
#include "platform/path_parts.h"

namespace lumtrak::platform {
namespace {

constexpr int kMostLinksFollowed = 40;
constexpr mode_t kPermissionBits = 0777;

class ReplacementErrorCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "lumtrak replacement"; }
    std::string message(int) const override { return "the file is read-only"; }
};

std::error_code ErrorOf(std::errc error) {
    return std::make_error_code(error);
}

// Links in /proc (and /dev/fd, /dev/stdout, which lead there) name open
// descriptors, not paths: what they show is not a name to replace.
bool IsInProcFileSystem(const std::string& folder) {
    struct statfs info {};
    return ::statfs(folder.c_str(), &info) == 0 && info.f_type == PROC_SUPER_MAGIC;
}

std::optional<std::string> ReadLink(const std::string& path, std::error_code& error) {
    std::vector<char> text(256);
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), text.data(), text.size());
        if (length < 0) {
            error = LastError();
            return std::nullopt;
        }
        if (std::size_t(length) < text.size()) return std::string(text.data(), std::size_t(length));
        text.resize(text.size() * 2);
    }
}

// The file that path finally names, following its links the way an open
// would, so that the file they lead to is replaced and the links stay.
struct Target {
    std::string path;
    bool exists = false;
    struct stat info {};
    bool throughDescriptor = false;  // a link in /proc led on
};

std::error_code FollowLinks(const std::string& path, Target& target) {
    std::string current = path;
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
        target.path = current;
        if (::lstat(current.c_str(), &target.info) != 0) {
            if (errno != ENOENT) return LastError();
            target.exists = false;
            return {};
        }
        target.exists = true;
        if (!S_ISLNK(target.info.st_mode)) return {};
        const PathParts parts = SplitPath(current);
        if (IsInProcFileSystem(parts.folder)) {
            target.throughDescriptor = true;
            return {};
        }
        std::error_code error;
        const auto text = ReadLink(current, error);
        if (!text) return error;
        current = (!text->empty() && text->front() == '/') ? *text : parts.folder + "/" + *text;
    }
    return ErrorOf(std::errc::too_many_symbolic_link_levels);
}

bool IsReadOnly(const struct stat& info, int folder, const std::string& name) {
    // The superuser may write anything, so the mode bits decide for it.
    if ((info.st_mode & 0222) == 0) return true;
    return ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

std::string RandomSuffix() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != ssize_t(sizeof bits)) {
        bits = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
               (std::uint64_t(::getpid()) << 40);
    }
    bits += counter.fetch_add(0x9E3779B97F4A7C15ull);
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += kLetters[bits % (sizeof kLetters - 1)];
        bits /= sizeof kLetters - 1;
    }
    return suffix;
}

// Makes a new entry under a name of its own beside name in folder: create is
// given a candidate and fails with EEXIST when the name is taken. A name too
// long to take the temporary's additions gets a short temporary name instead.
std::error_code CreateUnique(int folder, const std::string& name,
                             const std::function<bool(const std::string&)>& create,
                             std::string& created) {
    const long longest = ::fpathconf(folder, _PC_NAME_MAX);
    const std::size_t limit = longest > 0 ? std::size_t(longest) : 255;
    const std::string prefix = name.size() + 8 <= limit ? "." + name + "." : ".lumtrak.";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = prefix + RandomSuffix();
        if (create(candidate)) {
            created = candidate;
            return {};
        }
        if (errno != EEXIST) return LastError();
    }
    return ErrorOf(std::errc::file_exists);
}

std::error_code WriteAll(int handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(handle, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return {};
}

std::error_code SetTimes(int handle, const ReplacementOptions& options) {
    if (!options.accessTime && !options.modificationTime) return {};
    const timespec omit{0, UTIME_OMIT};
    const timespec times[2] = {options.accessTime.value_or(omit),
                               options.modificationTime.value_or(omit)};
    return ::futimens(handle, times) == 0 ? std::error_code() : LastError();
}

int OpenFolder(const std::string& folder) {
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

std::error_code ReadOnlyFileError() {
    static const ReplacementErrorCategory category;
    return {1, category};
}

FileReplacement::~FileReplacement() {
    Discard();
}

std::error_code FileReplacement::Open(const std::string& path, const ReplacementOptions& options) {
    Discard();
    options_ = options;
    failure_.clear();
    owner_.reset();
    group_.reset();
    setMode_ = false;
    if (path.empty()) return ErrorOf(std::errc::no_such_file_or_directory);

    Target target;
    if (options.replaceName) {
        target.path = path;
        target.exists = ::lstat(path.c_str(), &target.info) == 0;
    } else if (auto error = FollowLinks(path, target)) {
        return error;
    }
    targetPath_ = target.path;
    if (target.exists && S_ISDIR(target.info.st_mode)) return ErrorOf(std::errc::is_a_directory);
    const bool regular = !target.exists || S_ISREG(target.info.st_mode);
    if (!options.replaceName && (target.throughDescriptor || !regular)) {
        const int flags = O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC;
        handle_ = ::open(path.c_str(), options.mayWaitForReader ? flags : flags | O_NONBLOCK);
        if (handle_ < 0) return LastError();
        ::fcntl(handle_, F_SETFL, ::fcntl(handle_, F_GETFL) & ~O_NONBLOCK);
        way_ = ReplacementWay::StraightThrough;
        return {};
    }

    const PathParts parts = SplitPath(target.path);
    if (parts.name.empty()) return ErrorOf(std::errc::is_a_directory);
    name_ = parts.name;
    folder_ = OpenFolder(parts.folder);
    if (folder_ < 0) return LastError();
    const bool replacesFile = target.exists && !options.replaceName;
    if (replacesFile) {
        if (IsReadOnly(target.info, folder_, name_)) {
            Discard();
            return ReadOnlyFileError();
        }
        owner_ = target.info.st_uid;
        group_ = target.info.st_gid;
        mode_ = target.info.st_mode & kPermissionBits;
        setMode_ = true;
    }
    if (options.mode) {
        mode_ = *options.mode & 07777;
        setMode_ = true;
    }
    // A file whose mode is set later starts private, so that nobody reads it
    // half written; a new file takes the umask's mode at once.
    const mode_t createMode = setMode_ ? 0600 : 0666;
    const auto error = CreateUnique(
        folder_, name_,
        [&](const std::string& candidate) {
            handle_ = ::openat(folder_, candidate.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
            return handle_ >= 0;
        },
        temporaryName_);
    if (!error) {
        way_ = ReplacementWay::Renamed;
        return {};
    }
    const bool folderRefuses = error == std::errc::permission_denied ||
                               error == std::errc::operation_not_permitted ||
                               error == std::errc::read_only_file_system;
    if (replacesFile && folderRefuses) {
        handle_ = ::openat(folder_, name_.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        if (handle_ >= 0) {
            way_ = ReplacementWay::InPlace;
            return {};
        }
    }
    Discard();
    return error;
}

void FileReplacement::Write(std::string_view bytes) {
    if (handle_ < 0 || failure_) return;
    // Content written in place is held whole until Commit, so that a
    // replacement that fails on the way leaves the old file untouched. Other
    // content is written as the buffer fills, and a large piece straight from
    // where it is, without a copy.
    if (way_ != ReplacementWay::InPlace && bytes.size() >= kBufferSize) {
        if (!buffer_.empty()) failure_ = Flush();
        if (!failure_) failure_ = WriteOut(bytes);
        return;
    }
    buffer_.append(bytes);
    if (way_ != ReplacementWay::InPlace && buffer_.size() >= kBufferSize) failure_ = Flush();
}

std::error_code FileReplacement::Flush() {
    const auto error = WriteOut(buffer_);
    buffer_.clear();
    return error;
}

std::error_code FileReplacement::WriteOut(std::string_view bytes) {
    const auto error = WriteAll(handle_, bytes);
    written_ += off_t(bytes.size());
    // A new file's content is sent on to the disk as it comes, a mebibyte at
    // a time, so that the flush that completes it waits for little.
    if (!error && way_ == ReplacementWay::Renamed && written_ - sentOn_ >= kSendOnSize) {
        ::sync_file_range(handle_, sentOn_, written_ - sentOn_, SYNC_FILE_RANGE_WRITE);
        sentOn_ = written_;
    }
    return error;
}

std::error_code FileReplacement::Commit() {
    if (handle_ < 0) return failure_ ? failure_ : ErrorOf(std::errc::bad_file_descriptor);
    std::error_code error = failure_;
    switch (way_) {
        case ReplacementWay::StraightThrough:
            if (!error) error = Flush();
            break;
        case ReplacementWay::InPlace: {
            // Room first, so that a full disk stops the write before any of
            // the old content is overwritten.
            const auto size = off_t(buffer_.size());
            if (!error && size > 0 && ::fallocate(handle_, 0, 0, size) != 0 &&
                errno != EOPNOTSUPP && errno != ENOSYS) {
                error = LastError();
            }
            if (!error) error = Flush();
            if (!error && ::ftruncate(handle_, size) != 0) error = LastError();
            if (!error && ::fsync(handle_) != 0) error = LastError();
            break;
        }
        case ReplacementWay::Renamed:
            if (!error) error = Flush();
            // The owner first: changing it may clear mode bits.
            if (!error && owner_ && ::fchown(handle_, *owner_, *group_) != 0) {
                ::fchown(handle_, uid_t(-1), *group_);
            }
            if (!error && setMode_ && ::fchmod(handle_, mode_) != 0) error = LastError();
            if (!error) error = SetTimes(handle_, options_);
            if (!error && ::fsync(handle_) != 0) error = LastError();
            break;
    }
    if (::close(handle_) != 0 && !error) error = LastError();
    handle_ = -1;
    if (way_ == ReplacementWay::Renamed) {
        if (!error && ::renameat(folder_, temporaryName_.c_str(), folder_, name_.c_str()) != 0) {
            error = LastError();
        }
        if (error) {
            ::unlinkat(folder_, temporaryName_.c_str(), 0);
        } else {
            ::fsync(folder_);
        }
        temporaryName_.clear();
    }
    Discard();
    return error;
}

void FileReplacement::Discard() {
    if (handle_ >= 0) {
        ::close(handle_);
        handle_ = -1;
    }
    if (folder_ >= 0) {
        if (!temporaryName_.empty()) ::unlinkat(folder_, temporaryName_.c_str(), 0);
        ::close(folder_);
        folder_ = -1;
    }
    temporaryName_.clear();
    buffer_.clear();
}

std::string WrittenInPlaceNote(const std::string& path) {
    return "'" + path + "' was written in place: its folder takes no new file beside it";
}

ReplacementResult ReplaceFile(const std::string& path, std::string_view bytes,
                              const ReplacementOptions& options) {
    FileReplacement file;
    if (auto error = file.Open(path, options)) return {error, file.Way()};
    file.Write(bytes);
    return {file.Commit(), file.Way()};
}

std::error_code ReplaceWithLink(const std::string& path, const std::string& text,
                                std::optional<timespec> modificationTime) {
    const PathParts parts = SplitPath(path);
    if (parts.name.empty()) return ErrorOf(std::errc::is_a_directory);
    const int folder = OpenFolder(parts.folder);
    if (folder < 0) return LastError();
    std::string link;
    std::error_code error = CreateUnique(
        folder, parts.name,
        [&](const std::string& candidate) {
            return ::symlinkat(text.c_str(), folder, candidate.c_str()) == 0;
        },
        link);
    if (!error) {
        // Not every file system keeps times on links; the link itself is what counts.
        if (modificationTime) {
            const timespec times[2] = {*modificationTime, *modificationTime};
            ::utimensat(folder, link.c_str(), times, AT_SYMLINK_NOFOLLOW);
        }
        if (::renameat(folder, link.c_str(), folder, parts.name.c_str()) != 0) {
            error = LastError();
            ::unlinkat(folder, link.c_str(), 0);
        } else {
            ::fsync(folder);
        }
    }
    ::close(folder);
    return error;
}

}  // namespace lumtrak::platform

#include "platform/file_lookup.h"

#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

#include <memory>

#include "platform/ascii.h"

namespace lumtrak::platform {
namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

std::vector<std::string> FindEntriesIgnoringCase(const std::string& folder, std::string_view name) {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                            &::closedir);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (EqualIgnoringAsciiCase(entry->d_name, name)) names.emplace_back(entry->d_name);
    }
    return names;
}

std::optional<std::string> FindPathIgnoringCase(std::string_view path) {
    std::string whole(path);
    if (whole.empty()) return std::nullopt;
    if (Exists(whole)) return whole;

    std::string resolved;
    std::size_t pos = 0;
    if (whole.front() == '/') {
        resolved = "/";
        pos = 1;
    }
    while (pos <= whole.size()) {
        std::size_t slash = whole.find('/', pos);
        if (slash == std::string::npos) slash = whole.size();
        std::string_view component(whole.data() + pos, slash - pos);
        pos = slash + 1;
        if (component.empty()) continue;
        std::string candidate = resolved;
        if (!candidate.empty() && candidate.back() != '/') candidate += '/';
        candidate += component;
        if (!Exists(candidate)) {
            const auto matches = FindEntriesIgnoringCase(resolved, component);
            if (matches.empty()) return std::nullopt;
            candidate = resolved;
            if (!candidate.empty() && candidate.back() != '/') candidate += '/';
            candidate += matches.front();
        }
        resolved = std::move(candidate);
    }
    return resolved;
}

namespace {

FileIdentity IdentityOf(const struct stat& info) {
    FileIdentity identity;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modifiedNanoseconds =
        std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return identity;
}

}  // namespace

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return IdentityOf(info);
}

std::optional<FileIdentity> IdentifyOpenFile(int fileHandle) {
    struct stat info {};
    if (::fstat(fileHandle, &info) != 0) return std::nullopt;
    return IdentityOf(info);
}

std::int64_t WallClockNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool IdentityTellsChanges(const FileIdentity& identity, std::int64_t readNanoseconds) {
    // The coarsest stamps in use (FAT's) are two seconds apart.
    constexpr std::int64_t kCoarsestStamp = 2'000'000'000;
    return identity.modifiedNanoseconds < readNanoseconds - kCoarsestStamp;
}

}  // namespace lumtrak::platform

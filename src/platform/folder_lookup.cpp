#include "platform/folder_lookup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/ascii.h"
#include "platform/folder_listing.h"
#include "platform/last_error.h"
#include "platform/whole_file.h"

namespace lumtrak::platform {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

std::vector<std::string> Components(std::string_view path) {
    std::vector<std::string> components;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t slash = path.find('/', pos);
        if (slash == std::string_view::npos) slash = path.size();
        if (slash > pos) components.emplace_back(path.substr(pos, slash - pos));
        pos = slash + 1;
    }
    return components;
}

bool IsMissing(const std::error_code& error) {
    return error == std::errc::no_such_file_or_directory;
}

}  // namespace

FileDescriptor OpenFolderAt(int at, const std::string& path, std::error_code& error) {
    FileDescriptor folder(::openat(at, path.c_str(), kFolderFlags));
    if (folder.IsOpen()) {
        error.clear();
    } else {
        error = LastError();
    }
    return folder;
}

FileDescriptor OpenFolderPath(const std::string& path) {
    std::error_code ignored;
    return OpenFolderAt(AT_FDCWD, path, ignored);
}

FileDescriptor OpenWithoutReading(int folder, const std::string& name) {
    return FileDescriptor(::openat(folder, name.c_str(), O_PATH | O_CLOEXEC));
}

Folder Folder::Start() {
    Folder folder;
    folder.start_ = true;
    return folder;
}

Folder Folder::Open(const std::string& path) {
    if (path.empty()) return {};
    return Folder(OpenFolderPath(path));
}

int Folder::Descriptor() const {
    return start_ ? AT_FDCWD : descriptor_.Get();
}

const FolderLookup::Listing* FolderLookup::ListingOf(int folder) {
    struct stat info {};
    if (::fstatat(folder, ".", &info, 0) != 0) return nullptr;
    const FolderKey key{info.st_dev, info.st_ino};
    if (const auto found = listings_.find(key); found != listings_.end()) return &found->second;

    const auto names = FolderNamesAt(folder);
    if (!names) return nullptr;
    Listing& listing = listings_[key];
    for (const std::string& name : *names)
        listing.try_emplace(ToLowerAscii(name), name);
    return &listing;
}

FileDescriptor FolderLookup::OpenAs(int at, const std::string& name, bool wantFolder,
                                    std::error_code& error, std::int64_t* size) {
    if (wantFolder) return OpenFolderAt(at, name, error);
    return FileDescriptor(OpenRegularFileAt(at, name, error, size));
}

FileDescriptor FolderLookup::OpenComponent(int at, const std::string& component, bool wantFolder,
                                           std::error_code& error, std::int64_t* size) {
    FileDescriptor opened = OpenAs(at, component, wantFolder, error, size);
    if (opened.IsOpen() || !IsMissing(error)) return opened;
    const Listing* listing = ListingOf(at);
    if (listing == nullptr) return opened;
    const auto match = listing->find(ToLowerAscii(component));
    if (match == listing->end() || match->second == component) return opened;
    return OpenAs(at, match->second, wantFolder, error, size);
}

FileDescriptor FolderLookup::Open(const Folder& in, std::string_view path, bool wantFolder,
                                  std::error_code& error, std::int64_t* size) {
    error = std::make_error_code(std::errc::no_such_file_or_directory);
    // A path is a C string to the system: it ends at its first zero byte.
    path = path.substr(0, path.find('\0'));
    const bool absolute = !path.empty() && path.front() == '/';
    if (path.empty() || (!absolute && !in.IsOpen())) return {};
    if (!wantFolder && path.back() == '/') {
        error = std::make_error_code(std::errc::not_a_directory);  // it names a folder
        return {};
    }
    const int start = absolute ? AT_FDCWD : in.Descriptor();

    // Nearly every path names the file as it stands on disk.
    FileDescriptor opened = OpenAs(start, std::string(path), wantFolder, error, size);
    if (opened.IsOpen() || !IsMissing(error)) return opened;

    FileDescriptor folder;
    int at = start;
    if (absolute) {
        folder = OpenFolderAt(AT_FDCWD, "/", error);
        at = folder.Get();
    }
    const std::vector<std::string> components = Components(path);
    for (std::size_t i = 0; i < components.size(); ++i) {
        const bool last = i + 1 == components.size();
        FileDescriptor next = OpenComponent(at, components[i], last ? wantFolder : true, error,
                                            last ? size : nullptr);
        if (!next.IsOpen() || last) return next;
        folder = std::move(next);
        at = folder.Get();
    }
    return {};
}

FileDescriptor FolderLookup::OpenFile(const Folder& in, std::string_view path,
                                      std::error_code& error, std::int64_t* size) {
    return Open(in, path, false, error, size);
}

Folder FolderLookup::OpenFolder(const Folder& in, std::string_view path) {
    std::error_code ignored;
    return Folder(Open(in, path, true, ignored, nullptr));
}

std::optional<std::string> RealPathOf(int descriptor) {
    const std::string link = descriptor == AT_FDCWD ? std::string("/proc/self/cwd")
                                                    : "/proc/self/fd/" + std::to_string(descriptor);
    std::string path(4096, '\0');
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), path.data(), path.size());
        if (length < 0) return std::nullopt;
        if (std::size_t(length) < path.size()) {
            path.resize(std::size_t(length));
            break;
        }
        path.resize(path.size() * 2);
    }
    if (path.empty() || path.front() != '/') return std::nullopt;
    return path;
}

std::optional<std::string> RealPathOf(int descriptor, const std::string& reachedBy) {
    if (auto real = RealPathOf(descriptor)) return real;
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(reachedBy.c_str(), nullptr),
                                                         &std::free);
    if (!resolved) return std::nullopt;
    return std::string(resolved.get());
}

}  // namespace lumtrak::platform

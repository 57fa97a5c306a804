#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "platform/file_descriptor.h"

namespace lumtrak::platform {

// A folder that names are looked up in, held open: what it stands for does not
// change when its path is renamed or the process looks elsewhere. The start
// folder is the one the process was started in; nothing in the kit changes the
// process's current folder, so relative paths given by the user mean it.
class Folder {
  public:
    // No folder: every look-up in it fails.
    Folder() = default;
    static Folder Start();
    // The folder at path (relative paths: to the start folder), or no folder.
    static Folder Open(const std::string& path);

    bool IsOpen() const { return start_ || descriptor_.IsOpen(); }
    // What openat and friends take for this folder.
    int Descriptor() const;

  private:
    friend class FolderLookup;
    explicit Folder(FileDescriptor descriptor) : descriptor_(std::move(descriptor)) {}

    FileDescriptor descriptor_;
    bool start_ = false;
};

// Opens files and folders by path relative to an explicit folder the way the
// original platform found them, where names are case-insensitive: the whole path
// as written first, else each component as written or, when it is not there,
// the first entry of its folder (in the folder's own order) that equals it
// without regard to ASCII case. An absolute path ignores the folder.
//
// Each folder is listed at most once while the look-up lives (one load): names
// that are missing cost one hash probe each, however large the folder.
class FolderLookup {
  public:
    // The regular file at path, opened for reading without ever blocking (see
    // OpenRegularFile); error tells why when none is given, size receives the
    // file's size.
    FileDescriptor OpenFile(const Folder& in, std::string_view path, std::error_code& error,
                            std::int64_t* size = nullptr);
    // The folder at path, or no folder.
    Folder OpenFolder(const Folder& in, std::string_view path);

    // Lists folders again on their next look-up.
    void Forget() { listings_.clear(); }

  private:
    using FolderKey = std::pair<std::uint64_t, std::uint64_t>;     // device, inode
    using Listing = std::unordered_map<std::string, std::string>;  // lower-case -> first name

    FileDescriptor Open(const Folder& in, std::string_view path, bool wantFolder,
                        std::error_code& error, std::int64_t* size);
    static FileDescriptor OpenAs(int at, const std::string& name, bool wantFolder,
                                 std::error_code& error, std::int64_t* size);
    // Opens one path component in the folder at, as written or in any case.
    FileDescriptor OpenComponent(int at, const std::string& component, bool wantFolder,
                                 std::error_code& error, std::int64_t* size);
    const Listing* ListingOf(int folder);

    std::map<FolderKey, Listing> listings_;
};

// The absolute path, without links, of the file or folder that descriptor has
// open; nothing when the system cannot tell. With the path it was reached by,
// that path resolved when the system cannot tell from the descriptor.
std::optional<std::string> RealPathOf(int descriptor);
std::optional<std::string> RealPathOf(int descriptor, const std::string& reachedBy);

// The folder at path in the folder open as at, opened for reading its entries;
// error tells why when it is not opened.
FileDescriptor OpenFolderAt(int at, const std::string& path, std::error_code& error);
// The folder at path (a relative path: in the start folder), or none.
FileDescriptor OpenFolderPath(const std::string& path);
// The entry name of the folder open as folder, opened only to say where it
// lies, never to read it: a FIFO behind a link cannot block it.
FileDescriptor OpenWithoutReading(int folder, const std::string& name);

}  // namespace lumtrak::platform

#pragma once

#include <sys/types.h>

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// The one way in which the kit replaces a file: every writer that gives a file
// new content (a document's save, the command line's outputs, the stock index,
// the installer, the 3D preview's captures) goes through here.
namespace lumtrak::platform {

// How the new content reached the file.
enum class ReplacementWay {
    // A complete new file, flushed to disk, was renamed over the old one (or
    // took a name that was free): a crash leaves the old file or the new one.
    Renamed,
    // The folder does not let a new file be made beside a writable file, so the
    // content, complete in memory first, was written over the old file.
    InPlace,
    // Not a regular file (a device such as /dev/null, a pipe, a descriptor
    // named through /proc or /dev/fd): written to as it is.
    StraightThrough,
};

struct ReplacementOptions {
    // Replace the name itself, whatever stands there (a link, a FIFO), rather
    // than the file that a link names; nothing is written through what stands
    // there, nothing is written in place, and a read-only file is replaced
    // like any other.
    bool replaceName = false;
    // Permission bits of the new file. By default those of the file replaced,
    // without set-user-ID, set-group-ID and sticky bits, or 0666 less the umask
    // for a new file.
    std::optional<mode_t> mode;
    // Access and modification times for the new file; by default the time of
    // writing.
    std::optional<timespec> accessTime;
    std::optional<timespec> modificationTime;
    // Whether opening a FIFO may wait for a reader; if not, a FIFO without a
    // reader is refused at once.
    bool mayWaitForReader = false;
};

// Why a file was not replaced: it has no write permission for anyone, or none
// for this user. Such a file is refused, as an editor refuses to save over a
// read-only file without asking.
std::error_code ReadOnlyFileError();

// A new version of the file at a path, written a piece at a time.
//
// A regular file is replaced atomically: the content goes to a new file with a
// name of its own in the same folder (".NAME.XXXXXX", or a shorter
// ".lumtrak.XXXXXX" when that name would be too long), which is flushed to
// disk, given the old file's mode and, where the user may, its owner and
// group, and renamed over the old one; then the folder is flushed. A link is
// followed to the file it names, which is replaced while the link stays; a
// link that names nothing yet makes that file. A hard link to the old file
// keeps the old content, since the name gets a new file. Where the folder does
// not let the temporary file be made, a writable file is written in place
// instead (Way() says so), from content held complete in memory until Commit.
class FileReplacement {
  public:
    FileReplacement() = default;
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Prepares the replacement of path. Fails, leaving the file untouched, for
    // a read-only file (ReadOnlyFileError), a folder, a missing folder, a FIFO
    // without a reader, or a folder that takes no new file with no writable
    // file to write in place.
    std::error_code Open(const std::string& path, const ReplacementOptions& options = {});

    // Buffered; a failed write is remembered and makes Commit fail.
    void Write(std::string_view bytes);

    // Completes the replacement. On failure the old file is as it was, unless
    // the replacement was being written in place or straight through.
    std::error_code Commit();

    ReplacementWay Way() const { return way_; }
    // The file that gets the content: path with its links followed.
    const std::string& TargetPath() const { return targetPath_; }

  private:
    std::error_code Flush();
    std::error_code WriteOut(std::string_view bytes);
    void Discard();

    static constexpr std::size_t kBufferSize = 1 << 16;
    static constexpr off_t kSendOnSize = 1 << 20;

    ReplacementWay way_ = ReplacementWay::Renamed;
    ReplacementOptions options_;
    int folder_ = -1;
    int handle_ = -1;
    std::string targetPath_;
    std::string name_;
    std::string temporaryName_;
    std::optional<uid_t> owner_;
    std::optional<gid_t> group_;
    mode_t mode_ = 0;
    bool setMode_ = false;
    std::error_code failure_;
    std::string buffer_;
    off_t written_ = 0;  // bytes written to the file so far
    off_t sentOn_ = 0;   // of which the disk has been asked to take these
};

struct ReplacementResult {
    std::error_code error;
    ReplacementWay way = ReplacementWay::Renamed;
};

// The note that tells that the file at path was written in place, since its
// folder takes no new file beside it.
std::string WrittenInPlaceNote(const std::string& path);

// Replaces the file at path with bytes, as FileReplacement does.
ReplacementResult ReplaceFile(const std::string& path, std::string_view bytes,
                              const ReplacementOptions& options = {});

// Replaces the name at path, whatever stands there, with a symbolic link
// holding text, made under a name of its own beside it and renamed over it.
std::error_code ReplaceWithLink(const std::string& path, const std::string& text,
                                std::optional<timespec> modificationTime = std::nullopt);

}  // namespace lumtrak::platform

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_descriptor.h"
#include "platform/message_sink.h"

namespace lumtrak::platform {

class Folder;
class FolderLookup;

// One whole file, open for reading, presented as a read-only byte view of
// `size` bytes that is followed by a zero byte. The view is a copy of the file
// read into memory, never a mapping: a file that shrinks while it is read gives
// a message, not a signal. A new MappedFile holds no view.
struct MappedFile {
    const char* view = nullptr;
    int fileHandle = -1;
    bool mapping = false;
    std::uint32_t size = 0;

    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::string_view Content() const {
        return view != nullptr ? std::string_view(view, size) : std::string_view();
    }
    // The content, moved out; the view goes with it.
    std::string TakeContent();

    std::string buffer;  // holds the view; its terminator is the zero byte
};

// The three messages of OpenMappedFile.
inline constexpr std::string_view kCantOpenFile = "Can't open file";
inline constexpr std::string_view kCantCreateFileMapping = "Can't create file mapping.\n";
inline constexpr std::string_view kCantMapFileView = "Can't map file view";

// Opens the file named by path, with blanks, tabs and line ends trimmed from
// both ends, and reads it whole. A relative path is taken against the folder
// the process started in. On failure the file holds no view and one of three
// messages is shown, with the trimmed path as caption: "Can't open file" (only
// when showOpenError), "Can't create file mapping.\n%d %d %d" (an empty file,
// among others) or "Can't map file view" (the file could not be read whole).
void OpenMappedFile(std::string path, MappedFile& file, bool showOpenError, MessageSink& messages);
// The same with a relative path taken against folder, its names found in any
// case through lookup.
void OpenMappedFile(FolderLookup& lookup, const Folder& folder, std::string path, MappedFile& file,
                    bool showOpenError, MessageSink& messages);

// Releases everything the file holds and returns it to the starting values.
void CloseMappedFile(MappedFile& file);

// The path as OpenMappedFile uses it: blanks, tabs and line ends trimmed.
std::string_view TrimPath(std::string_view path);

// OpenMappedFile in two halves, for readers that look at the file in between
// (its identity, its size). OpenForView opens the trimmed path in folder and
// shows "Can't open file" (when showOpenError) if it cannot; size receives the
// file's size. ReadIntoView reads the opened file into the view, with the other
// two messages; the caption is the trimmed path.
FileDescriptor OpenForView(FolderLookup& lookup, const Folder& folder, const std::string& path,
                           bool showOpenError, MessageSink& messages, std::int64_t& size);
void ReadIntoView(FileDescriptor handle, std::int64_t fileSize, const std::string& caption,
                  MappedFile& file, MessageSink& messages);

// The two steps of OpenMappedFile after the open, for readers that open their
// files themselves. ViewSize: how many bytes of a file of fileSize bytes the
// view holds (the low 32 bits), or nothing after the message for a file that
// gives no view (an empty one). ReadView: reads the first into.size() bytes of
// the open file; false after the message when it cannot, as when the file
// shrank since its size was taken.
std::optional<std::uint32_t> ViewSize(std::int64_t fileSize, const std::string& caption,
                                      MessageSink& messages);
bool ReadView(int handle, std::span<char> into, const std::string& caption, MessageSink& messages);

// Memory that files are read into one after another: it grows to the largest
// file and is never cleared, so reading many files costs no allocation each.
class FileBuffer {
  public:
    // Room for size bytes, followed by a zero byte; what was in it is gone.
    std::span<char> Room(std::size_t size);

  private:
    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_ = 0;
};

// Reads the file name in folder (openat) into buffer as OpenMappedFile reads a
// file, with the same messages (caption: path): its content, valid until the
// buffer is used again, or nothing. A file of more than largest bytes is not
// read: tooLarge is set, and no message shown.
std::optional<std::string_view> ReadMappedFileAt(int folder, const std::string& name,
                                                 const std::string& path, bool showOpenError,
                                                 std::size_t largest, bool& tooLarge,
                                                 FileBuffer& buffer, MessageSink& messages);

}  // namespace lumtrak::platform

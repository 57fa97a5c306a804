#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/message_sink.h"

namespace lumtrak::platform {

// One whole file, open for reading, presented as a read-only byte view of
// `size` bytes that is followed by a zero byte. A new MappedFile holds no view.
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

    // How the view is held: a memory mapping or, where the zero byte after the
    // content cannot be had from a mapping, a copy.
    void* mappedBase = nullptr;
    std::size_t mappedLength = 0;
    std::unique_ptr<char[]> copy;
};

// The three messages of OpenMappedFile.
inline constexpr std::string_view kCantOpenFile = "Can't open file";
inline constexpr std::string_view kCantCreateFileMapping = "Can't create file mapping.\n";
inline constexpr std::string_view kCantMapFileView = "Can't map file view";

// Opens and maps the file named by path, with blanks, tabs and line ends trimmed
// from both ends. On failure the file holds no view and one of three messages is
// shown, with the trimmed path as caption: "Can't open file" (only when
// showOpenError), "Can't create file mapping.\n%d %d %d" (an empty file, among
// others) or "Can't map file view".
void OpenMappedFile(std::string path, MappedFile& file, bool showOpenError, MessageSink& messages);

// Releases everything the file holds and returns it to the starting values.
void CloseMappedFile(MappedFile& file);

// The path as OpenMappedFile uses it: blanks, tabs and line ends trimmed.
std::string_view TrimPath(std::string_view path);

}  // namespace lumtrak::platform

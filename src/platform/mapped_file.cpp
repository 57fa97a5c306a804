#include "platform/mapped_file.h"

#include <unistd.h>

#include <algorithm>

#include "platform/ascii.h"
#include "platform/folder_lookup.h"
#include "platform/whole_file.h"

namespace lumtrak::platform {
namespace {

// The error code of the original platform for mapping an empty file.
constexpr int kErrorFileInvalid = 1006;

void CloseHandle(MappedFile& file) {
    if (file.fileHandle >= 0) ::close(file.fileHandle);
    file.fileHandle = -1;
}

void ReleaseView(MappedFile& file) {
    file.buffer = std::string();
    file.view = nullptr;
}

}  // namespace

void ReadIntoView(FileDescriptor handle, std::int64_t fileSize, const std::string& caption,
                  MappedFile& file, MessageSink& messages) {
    CloseHandle(file);
    file.fileHandle = handle.Release();
    ReleaseView(file);
    file.mapping = false;
    const auto size = ViewSize(fileSize, caption, messages);
    file.size = size.value_or(0);
    if (!size) {
        CloseHandle(file);
        return;
    }
    file.mapping = true;
    std::string buffer(*size, '\0');
    if (!ReadView(file.fileHandle, buffer, caption, messages)) return;
    file.buffer = std::move(buffer);
    file.view = file.buffer.data();
}

FileDescriptor OpenForView(FolderLookup& lookup, const Folder& folder, const std::string& path,
                           bool showOpenError, MessageSink& messages, std::int64_t& size) {
    // A folder, a FIFO or a device is a file that can't be opened.
    std::error_code ignored;
    FileDescriptor handle = lookup.OpenFile(folder, path, ignored, &size);
    if (!handle.IsOpen() && showOpenError) messages.Show(path, std::string(kCantOpenFile));
    return handle;
}

namespace {

void Open(FolderLookup& lookup, const Folder& folder, const std::string& path, MappedFile& file,
          bool showOpenError, MessageSink& messages) {
    const std::string trimmed(TrimPath(path));
    CloseHandle(file);
    std::int64_t size = 0;
    FileDescriptor handle = OpenForView(lookup, folder, trimmed, showOpenError, messages, size);
    if (handle.IsOpen()) ReadIntoView(std::move(handle), size, trimmed, file, messages);
}

}  // namespace

std::string_view TrimPath(std::string_view path) {
    return Trim(path, " \t\r\n");
}

MappedFile::~MappedFile() {
    CloseMappedFile(*this);
}

std::string MappedFile::TakeContent() {
    view = nullptr;
    std::string content = std::move(buffer);
    buffer = std::string();
    return content;
}

std::optional<std::uint32_t> ViewSize(std::int64_t fileSize, const std::string& caption,
                                      MessageSink& messages) {
    const auto size = static_cast<std::uint32_t>(fileSize);
    if (size == 0) {
        messages.Show(caption, std::string(kCantCreateFileMapping) +
                                   std::to_string(kErrorFileInvalid) + " 0 0");
        return std::nullopt;
    }
    return size;
}

bool ReadView(int handle, std::span<char> into, const std::string& caption, MessageSink& messages) {
    if (ReadExactly(handle, into)) return true;
    messages.Show(caption, std::string(kCantMapFileView));
    return false;
}

std::span<char> FileBuffer::Room(std::size_t size) {
    if (size + 1 > capacity_) {
        capacity_ = std::max(size + 1, capacity_ * 2);
        bytes_ = std::make_unique_for_overwrite<char[]>(capacity_);
    }
    bytes_[size] = '\0';
    return {bytes_.get(), size};
}

std::optional<std::string_view> ReadMappedFileAt(int folder, const std::string& name,
                                                 const std::string& path, bool showOpenError,
                                                 std::size_t largest, bool& tooLarge,
                                                 FileBuffer& buffer, MessageSink& messages) {
    std::error_code ignored;
    std::int64_t fileSize = 0;
    const FileDescriptor handle(OpenRegularFileAt(folder, name, ignored, &fileSize));
    if (!handle.IsOpen()) {
        if (showOpenError) messages.Show(path, std::string(kCantOpenFile));
        return std::nullopt;
    }
    tooLarge = std::uint64_t(fileSize) > largest;
    if (tooLarge) return std::nullopt;
    const auto size = ViewSize(fileSize, path, messages);
    if (!size) return std::nullopt;
    const std::span<char> room = buffer.Room(*size);
    if (!ReadView(handle.Get(), room, path, messages)) return std::nullopt;
    return std::string_view(room.data(), room.size());
}

void OpenMappedFile(std::string path, MappedFile& file, bool showOpenError, MessageSink& messages) {
    FolderLookup lookup;
    Open(lookup, Folder::Start(), path, file, showOpenError, messages);
}

void OpenMappedFile(FolderLookup& lookup, const Folder& folder, std::string path, MappedFile& file,
                    bool showOpenError, MessageSink& messages) {
    Open(lookup, folder, path, file, showOpenError, messages);
}

void CloseMappedFile(MappedFile& file) {
    ReleaseView(file);
    file.size = 0;
    file.mapping = false;
    CloseHandle(file);
}

}  // namespace lumtrak::platform

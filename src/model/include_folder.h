#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_descriptor.h"
#include "platform/file_lookup.h"
#include "platform/folder_lookup.h"
#include "platform/message_sink.h"

namespace lumtrak::model {

// The folder that included parts are looked up in (the program folder, where
// "Stock Index" is and what relative index paths are taken against), opened
// once per load, with the look-up that lists each folder once per load.
struct IncludeFolder {
    IncludeFolder() = default;
    explicit IncludeFolder(std::string folderPath)
        : path(std::move(folderPath)), folder(platform::Folder::Open(path)) {}

    std::string path;
    platform::Folder folder;
    platform::FolderLookup lookup;
};

// A definition file named by an index line, opened for an include as the
// mapped-file reader opens it: looked at (its identity, its size) before it is
// read, so that a file read already or too large to read costs nothing more.
class OpenedInclude {
  public:
    // Opens path (a relative path: in where), showing "Can't open file" when it cannot.
    OpenedInclude(IncludeFolder& where, std::string_view path, platform::MessageSink& messages);

    bool IsOpen() const { return handle_.IsOpen(); }
    const std::optional<platform::FileIdentity>& Identity() const { return identity_; }
    bool LargerThan(std::size_t bytes) const { return size_ > 0 && std::uint64_t(size_) > bytes; }
    // Tells this file from every other on an include chain.
    std::string SourceKey() const;
    // Where the open file lies, without links; the path it was opened by when
    // the system cannot tell (or once it has been read).
    std::string RealPath() const;
    // The whole content, or nothing after the mapped-file reader's message.
    std::optional<std::string> Read(platform::MessageSink& messages);

  private:
    std::string path_;       // trimmed, as the messages name it
    std::int64_t size_ = 0;  // before the handle: opening it sets the size
    platform::FileDescriptor handle_;
    std::optional<platform::FileIdentity> identity_;
};

}  // namespace lumtrak::model

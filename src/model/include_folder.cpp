#include "model/include_folder.h"

#include "platform/folder_lookup.h"
#include "platform/mapped_file.h"

namespace lumtrak::model {

OpenedInclude::OpenedInclude(IncludeFolder& where, std::string_view path,
                             platform::MessageSink& messages)
    : path_(platform::TrimPath(path)),
      handle_(platform::OpenForView(where.lookup, where.folder, path_, true, messages, size_)) {
    if (handle_.IsOpen()) identity_ = platform::IdentifyOpenFile(handle_.Get());
}

std::string OpenedInclude::SourceKey() const {
    if (!identity_) return "path:" + path_;
    return "file:" + std::to_string(identity_->device) + ":" + std::to_string(identity_->inode);
}

std::string OpenedInclude::RealPath() const {
    if (!handle_.IsOpen()) return path_;
    return platform::RealPathOf(handle_.Get()).value_or(path_);
}

std::optional<std::string> OpenedInclude::Read(platform::MessageSink& messages) {
    platform::MappedFile file;
    platform::ReadIntoView(std::move(handle_), size_, path_, file, messages);
    if (file.view == nullptr) return std::nullopt;
    return file.TakeContent();
}

}  // namespace lumtrak::model

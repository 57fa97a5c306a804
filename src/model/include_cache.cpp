#include "model/include_cache.h"

#include "platform/mapped_file.h"
#include "platform/whole_file.h"

namespace lumtrak::model {
namespace {

std::string FileKey(const platform::FileIdentity& identity) {
    return "file:" + std::to_string(identity.device) + ":" + std::to_string(identity.inode);
}

}  // namespace

IncludeFile::IncludeFile(std::string bytes, std::string key)
    : content(std::move(bytes)), text(content), names(text), sourceKey(std::move(key)) {}

void IncludeCache::Clear() {
    index_.reset();
    files_.clear();
}

namespace {

// The identity of a file named in any case, and the name it has on disk. The
// exact name is tried first: one look at the file system in the usual case.
std::optional<std::pair<std::string, platform::FileIdentity>> Locate(const std::string& name) {
    if (auto identity = platform::IdentifyFile(name)) return std::pair{name, *identity};
    const auto onDisk = platform::FindPathIgnoringCase(name);
    if (!onDisk) return std::nullopt;
    if (auto identity = platform::IdentifyFile(*onDisk)) return std::pair{*onDisk, *identity};
    return std::nullopt;
}

}  // namespace

const PartIndex* IncludeCache::CurrentStockIndex() {
    const auto located = Locate("Stock Index");
    const auto path = located ? std::optional(located->first) : std::nullopt;
    const auto identity = located ? std::optional(located->second) : std::nullopt;
    if (!identity) {
        index_.reset();
        return nullptr;
    }
    if (index_ && index_->identity == *identity) return index_->index.get();
    const auto content = platform::ReadWholeFile(*path);
    if (!content) {
        index_.reset();
        return nullptr;
    }
    index_ = CachedIndex{*identity, readIndex_(*content)};
    return index_->index.get();
}

std::shared_ptr<const IncludeFile> IncludeCache::OpenDefinitionFile(
    std::string_view path, platform::MessageSink& messages) {
    const std::string trimmed(platform::TrimPath(path));
    if (const auto located = Locate(trimmed)) {
        auto found = files_.find(trimmed);
        if (found != files_.end() && found->second.identity == located->second) {
            return found->second.file;
        }
    }

    platform::MappedFile mapped;
    platform::OpenMappedFile(std::string(path), mapped, true, messages);
    if (mapped.view == nullptr) return nullptr;
    // The cache keeps the identity of the file that was actually read.
    const auto readIdentity = platform::IdentifyOpenFile(mapped.fileHandle);
    auto file = std::make_shared<const IncludeFile>(
        std::string(mapped.Content()), readIdentity ? FileKey(*readIdentity) : "path:" + trimmed);
    platform::CloseMappedFile(mapped);

    if (readIdentity) {
        if (files_.size() >= kMaxCachedFiles) files_.clear();
        files_[trimmed] = CachedFile{*readIdentity, file};
    }
    return file;
}

}  // namespace lumtrak::model

#include "model/include_cache.h"

#include "platform/mapped_file.h"
#include "platform/whole_file.h"

namespace lumtrak::model {
namespace {

constexpr std::string_view kStockIndexName = "Stock Index";

std::string FileKey(const platform::FileIdentity& identity) {
    return "file:" + std::to_string(identity.device) + ":" + std::to_string(identity.inode);
}

}  // namespace

IncludeFile::IncludeFile(std::string bytes, std::string key)
    : content(std::move(bytes)), text(content), names(text), sourceKey(std::move(key)) {}

void IncludeCache::Clear() {
    index_.reset();
    files_.clear();
    cachedBytes_ = 0;
}

const PartIndex* IncludeCache::StockIndexIn(IncludeFolder& where) {
    std::error_code error;
    const platform::FileDescriptor file =
        where.lookup.OpenFile(where.folder, kStockIndexName, error);
    const auto identity = file.IsOpen() ? platform::IdentifyOpenFile(file.Get()) : std::nullopt;
    if (!identity) {
        index_.reset();
        return nullptr;
    }
    if (index_ && index_->identity == *identity) return index_->index.get();
    std::string content;
    if (platform::ReadToEnd(file.Get(), content)) {
        index_.reset();
        return nullptr;
    }
    index_ = CachedIndex{*identity, readIndex_(content)};
    return index_->index.get();
}

IncludeCache::Opened IncludeCache::OpenDefinitionFile(IncludeFolder& where, std::string_view path,
                                                      std::size_t largestFile,
                                                      platform::MessageSink& messages) {
    const std::string trimmed(platform::TrimPath(path));
    std::int64_t size = 0;
    platform::FileDescriptor handle =
        platform::OpenForView(where.lookup, where.folder, trimmed, true, messages, size);
    if (!handle.IsOpen()) return {};
    const auto identity = platform::IdentifyOpenFile(handle.Get());
    if (identity) {
        const auto found = files_.find(FileKey(*identity));
        if (found != files_.end() && found->second.identity == *identity) {
            return {found->second.file};
        }
    }
    if (size > 0 && std::uint64_t(size) > largestFile) return {nullptr, true};

    platform::MappedFile mapped;
    platform::ReadIntoView(std::move(handle), size, trimmed, mapped, messages);
    if (mapped.view == nullptr) return {};
    auto file = std::make_shared<const IncludeFile>(
        mapped.TakeContent(), identity ? FileKey(*identity) : "path:" + trimmed);

    if (identity) {
        const std::size_t bytes = file->content.size();
        if (files_.size() >= kMaxCachedFiles || cachedBytes_ + bytes > kMaxCachedBytes) {
            files_.clear();
            cachedBytes_ = 0;
        }
        CachedFile& cached = files_[FileKey(*identity)];
        if (cached.file) cachedBytes_ -= cached.file->content.size();
        cached = CachedFile{*identity, file};
        cachedBytes_ += bytes;
    }
    return {file};
}

}  // namespace lumtrak::model

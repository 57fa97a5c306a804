#include "model/include_cache.h"

#include "platform/folder_lookup.h"
#include "platform/whole_file.h"

namespace lumtrak::model {
namespace {

constexpr std::string_view kStockIndexName = "Stock Index";

}  // namespace

IncludeFile::IncludeFile(std::string bytes, std::string key, std::string realPath)
    : content(std::move(bytes)),
      text(content),
      names(text),
      sourceKey(std::move(key)),
      path(std::move(realPath)) {}

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
    if (index_ && index_->trusted && index_->identity == *identity) return index_->index.get();
    const std::int64_t readAt = platform::WallClockNanoseconds();
    std::string content;
    if (platform::ReadToEnd(file.Get(), content)) {
        index_.reset();
        return nullptr;
    }
    index_ = CachedIndex{*identity, platform::IdentityTellsChanges(*identity, readAt),
                         readIndex_(content)};
    indexPath_ = platform::RealPathOf(file.Get()).value_or(where.path + "/Stock Index");
    return index_->index.get();
}

IncludeCache::Opened IncludeCache::OpenDefinitionFile(IncludeFolder& where, std::string_view path,
                                                      std::size_t largestFile,
                                                      platform::MessageSink& messages) {
    OpenedInclude opened(where, path, messages);
    if (!opened.IsOpen()) return {};
    const auto& identity = opened.Identity();
    if (identity) {
        const auto found = files_.find(opened.SourceKey());
        if (found != files_.end() && found->second.trusted && found->second.identity == *identity) {
            return {found->second.file};
        }
    }
    if (opened.LargerThan(largestFile)) return {nullptr, true};
    const std::int64_t readAt = platform::WallClockNanoseconds();
    std::string realPath = opened.RealPath();
    auto content = opened.Read(messages);
    if (!content) return {};
    auto file = std::make_shared<const IncludeFile>(std::move(*content), opened.SourceKey(),
                                                    std::move(realPath));

    if (identity) {
        const std::size_t bytes = file->content.size();
        if (files_.size() >= kMaxCachedFiles || cachedBytes_ + bytes > kMaxCachedBytes) {
            files_.clear();
            cachedBytes_ = 0;
        }
        CachedFile& cached = files_[file->sourceKey];
        if (cached.file) cachedBytes_ -= cached.file->content.size();
        cached = CachedFile{*identity, platform::IdentityTellsChanges(*identity, readAt), file};
        cachedBytes_ += bytes;
    }
    return {file};
}

}  // namespace lumtrak::model

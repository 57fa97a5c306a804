#include "stockindex/stock_index.h"

#include "platform/ascii.h"
#include "stockindex/index_lines.h"

namespace lumtrak::stockindex {

StockIndex StockIndex::Parse(std::string_view content) {
    StockIndex index;
    std::vector<IndexEntry> entries = ReadIndexEntries(content);
    index.pathsByKey_.reserve(entries.size());
    for (IndexEntry& entry : entries) {
        for (char& c : entry.name)
            c = platform::ToLowerAscii(c);
        for (char& c : entry.path) {
            if (c == '\\') c = '/';
        }
        index.pathsByKey_[std::move(entry.name)].push_back(std::move(entry.path));
    }
    return index;
}

const std::vector<std::string>& StockIndex::PathsFor(std::string_view lowerName) const {
    static const std::vector<std::string> kNone;
    auto found = pathsByKey_.find(std::string(lowerName));
    return found == pathsByKey_.end() ? kNone : found->second;
}

std::unique_ptr<const model::PartIndex> ReadPartIndex(std::string_view content) {
    return std::make_unique<const StockIndex>(StockIndex::Parse(content));
}

model::IncludeCache& ProcessIncludeCache() {
    // Never destroyed: freeing what it keeps (an index of tens of thousands
    // of entries) would only slow down the end of the program.
    static model::IncludeCache* const cache = new model::IncludeCache(ReadPartIndex);
    return *cache;
}

}  // namespace lumtrak::stockindex

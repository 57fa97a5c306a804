#include "model/stock_index.h"

#include "model/characters.h"
#include "platform/line_pieces.h"

namespace lumtrak::model {

namespace {

// The content as text mode reads it: CR LF becomes LF.
std::string ToTextMode(std::string_view content) {
    std::string result;
    result.reserve(content.size());
    std::size_t from = 0;
    for (std::size_t cr = content.find("\r\n"); cr != std::string_view::npos;
         cr = content.find("\r\n", from)) {
        result.append(content.substr(from, cr - from));
        from = cr + 1;
    }
    result.append(content.substr(from));
    return result;
}

}  // namespace

StockIndex StockIndex::Parse(std::string_view content) {
    StockIndex index;
    const std::string text = ToTextMode(content);
    for (std::string_view line : platform::LinePieces(text)) {
        if (!line.empty() && line.front() == '#') line.remove_prefix(1);
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) continue;
        std::string key;
        for (char c : line.substr(0, tab))
            key += ToLowerAscii(c);
        std::string path(line.substr(tab + 1));
        for (char& c : path) {
            if (c == '\\') c = '/';
        }
        index.pathsByKey_[std::move(key)].push_back(std::move(path));
    }
    return index;
}

const std::vector<std::string>& StockIndex::PathsFor(std::string_view lowerName) const {
    static const std::vector<std::string> kNone;
    auto found = pathsByKey_.find(std::string(lowerName));
    return found == pathsByKey_.end() ? kNone : found->second;
}

}  // namespace lumtrak::model

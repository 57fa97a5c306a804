#include "stockindex/index_lines.h"

#include "model/characters.h"
#include "platform/line_pieces.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

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

IndexLines::IndexLines(std::string_view content)
    : text_(ToTextMode(content)), pieces_(platform::LinePieces(text_)) {}

std::string_view WithoutLineEnd(std::string_view piece) {
    if (!piece.empty() && piece.back() == '\n') piece.remove_suffix(1);
    return piece;
}

namespace {

std::string_view WithoutMark(std::string_view piece, bool& marked) {
    marked = !piece.empty() && piece.front() == kMarkedPrefix;
    if (marked) piece.remove_prefix(1);
    return piece;
}

}  // namespace

std::optional<IndexEntry> ReadEntry(std::string_view piece) {
    bool marked = false;
    const std::string_view line = WithoutLineEnd(WithoutMark(piece, marked));
    const std::size_t tab = line.find(kNameSeparator);
    if (tab == std::string_view::npos) return std::nullopt;
    return IndexEntry{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1)), marked};
}

std::vector<IndexEntry> ReadIndexEntries(std::string_view content) {
    std::vector<IndexEntry> entries;
    const IndexLines lines(content);
    for (std::string_view piece : lines.Pieces()) {
        if (auto entry = ReadEntry(piece)) entries.push_back(std::move(*entry));
    }
    return entries;
}

std::optional<std::string_view> FindByNamePrefix(const IndexLines& lines, std::string_view name) {
    for (std::string_view piece : lines.Pieces()) {
        bool marked = false;
        const std::string_view line = WithoutMark(piece, marked);
        if (model::StartsWithIgnoringCase(line, name)) return line.substr(name.size());
    }
    return std::nullopt;
}

}  // namespace lumtrak::stockindex

#include "model/text_lines.h"

#include <algorithm>

namespace lumtrak::model {
namespace {

// Calls onLineStart with the start of every line after the first whose line
// end begins before limit.
template <typename OnLineStart>
void ForEachLineStart(std::string_view text, Cursor limit, OnLineStart onLineStart) {
    for (Cursor p = 0; p < text.size() && p < limit; ++p) {
        const char c = text[p];
        if (c == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ++p;
        if (c == '\r' || c == '\n') onLineStart(p + 1);
    }
}

}  // namespace

TextLines::TextLines(std::string_view text) : starts_{0}, end_(text.size()) {
    ForEachLineStart(text, text.size(), [&](Cursor start) { starts_.push_back(start); });
}

std::size_t TextLines::LineOf(Cursor pos) const {
    return std::size_t(std::upper_bound(starts_.begin(), starts_.end(), pos) - starts_.begin());
}

Cursor TextLines::LineStart(std::size_t line) const {
    if (line == 0) return 0;
    return line <= starts_.size() ? starts_[line - 1] : end_;
}

std::size_t LineOf(std::string_view text, Cursor pos) {
    return 1 + LineEndsBetween(text, 0, pos);
}

std::size_t LineEndsBetween(std::string_view text, Cursor from, Cursor to) {
    to = std::min(to, text.size());
    if (from >= to) return 0;
    const std::string_view range = text.substr(from, to - from);
    std::size_t ends = std::size_t(std::count(range.begin(), range.end(), '\n'));
    for (std::size_t cr = range.find('\r'); cr != std::string_view::npos;
         cr = range.find('\r', cr + 1)) {
        // A "\r\n" counts once, by its "\n", also when to lies between them.
        if (from + cr + 1 >= text.size() || text[from + cr + 1] != '\n') ++ends;
    }
    return ends;
}

}  // namespace lumtrak::model

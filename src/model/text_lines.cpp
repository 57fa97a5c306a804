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
    std::size_t line = 1;
    // A "\r\n" counts once, also when pos lies between its two bytes.
    ForEachLineStart(text, pos, [&](Cursor start) {
        if (start <= pos) ++line;
    });
    return line;
}

}  // namespace lumtrak::model

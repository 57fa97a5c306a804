#include "diagnostics/line_index.h"

#include <algorithm>

namespace lumtrak::diagnostics {

LineIndex::LineIndex(std::string_view text) : text_(text) {
    starts_.push_back(0);
    // Line feed by line feed, and the lone carriage returns between them.
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t feed = text.find('\n', pos);
        if (feed == std::string_view::npos) feed = text.size();
        const std::string_view line = text.substr(pos, feed - pos);
        for (std::size_t cr = line.find('\r'); cr != std::string_view::npos;
             cr = line.find('\r', cr + 1)) {
            if (pos + cr + 1 != feed) starts_.push_back(pos + cr + 1);
        }
        if (feed == text.size()) break;
        starts_.push_back(feed + 1);
        pos = feed + 1;
    }
}

std::size_t LineIndex::LineOf(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    // Asked mostly in order: the line asked last, or the one after it.
    for (std::size_t line = lastLine_; line < lastLine_ + 2 && line < starts_.size(); ++line) {
        if (starts_[line] <= offset && (line + 1 == starts_.size() || offset < starts_[line + 1])) {
            return lastLine_ = line;
        }
    }
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return lastLine_ = static_cast<std::size_t>(after - starts_.begin()) - 1;
}

LineIndex::Position LineIndex::PositionOf(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const std::size_t line = LineOf(offset);
    return {line + 1, offset - starts_[line] + 1};
}

std::size_t LineIndex::LineEnd(std::size_t index) const {
    std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    if (end > starts_[index] && text_[end - 1] == '\n') --end;
    if (end > starts_[index] && text_[end - 1] == '\r') --end;
    return end;
}

}  // namespace lumtrak::diagnostics

#include "platform/line_pieces.h"

#include <algorithm>
#include <cstring>

namespace lumtrak::platform {

std::size_t FirstPieceLength(std::string_view content, std::size_t maxLength) {
    const std::size_t newline = content.substr(0, maxLength).find('\n');
    return newline != std::string_view::npos ? newline + 1 : std::min(maxLength, content.size());
}

std::vector<std::string_view> LinePieces(std::string_view content, std::size_t maxLength) {
    std::vector<std::string_view> pieces;
    while (!content.empty()) {
        const std::size_t length = FirstPieceLength(content, maxLength);
        pieces.push_back(content.substr(0, length));
        content.remove_prefix(length);
    }
    return pieces;
}

LinePieceReader::LinePieceReader(ReadSome read, std::size_t maxLength)
    : read_(std::move(read)),
      maxLength_(std::max<std::size_t>(maxLength, 1)),
      buffer_(std::max<std::size_t>(maxLength_, 1 << 16)) {}

std::optional<std::string_view> LinePieceReader::Next() {
    for (;;) {
        const std::string_view held(buffer_.data() + begin_, end_ - begin_);
        if (!held.empty()) {
            const std::size_t length = FirstPieceLength(held, maxLength_);
            // A piece is whole once it ends in '\n', has its full length, or
            // the stream has ended; otherwise more of it may follow.
            if (length < held.size() || held[length - 1] == '\n' || length == maxLength_ ||
                atEnd_) {
                begin_ += length;
                return held.substr(0, length);
            }
        } else if (atEnd_) {
            return std::nullopt;
        }
        // Less than a piece is held: keep it at the front and read more.
        std::memmove(buffer_.data(), buffer_.data() + begin_, held.size());
        begin_ = 0;
        end_ = held.size();
        const std::ptrdiff_t got = read_(std::span<char>(buffer_).subspan(end_));
        if (got < 0) {
            failed_ = atEnd_ = true;
            begin_ = end_ = 0;
            return std::nullopt;
        }
        if (got == 0) atEnd_ = true;
        end_ += std::min(std::size_t(got), buffer_.size() - end_);
    }
}

}  // namespace lumtrak::platform

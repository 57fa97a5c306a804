#include "platform/line_pieces.h"

#include <algorithm>

namespace lumtrak::platform {

std::vector<std::string_view> LinePieces(std::string_view content, std::size_t maxLength) {
    std::vector<std::string_view> pieces;
    while (!content.empty()) {
        const std::size_t newline = content.substr(0, maxLength).find('\n');
        const std::size_t length =
            newline != std::string_view::npos ? newline + 1 : std::min(maxLength, content.size());
        pieces.push_back(content.substr(0, length));
        content.remove_prefix(length);
    }
    return pieces;
}

}  // namespace lumtrak::platform

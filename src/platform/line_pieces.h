#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumtrak::platform {

// The longest piece of a line that the list and index readers take at once: a
// longer line is read as several pieces, each handled as a line of its own.
inline constexpr std::size_t kLinePieceLength = 249;

// Cuts content as a line reader with a buffer of maxLength characters does:
// each piece runs through its '\n' or stops after maxLength characters.
std::vector<std::string_view> LinePieces(std::string_view content,
                                         std::size_t maxLength = kLinePieceLength);

}  // namespace lumtrak::platform

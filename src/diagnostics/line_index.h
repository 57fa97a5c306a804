#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumtrak::diagnostics {

// The lines of a text, each ended by "\r\n", "\n" or a lone "\r".
class LineIndex {
  public:
    explicit LineIndex(std::string_view text);

    struct Position {
        std::size_t line = 0;    // from 1
        std::size_t column = 0;  // bytes, from 1
    };
    // Where offset (clamped to the text) stands.
    Position PositionOf(std::size_t offset) const;

    std::size_t LineCount() const { return starts_.size(); }
    // The first byte of line index (from 0), and where its line end begins.
    std::size_t LineStart(std::size_t index) const { return starts_[index]; }
    std::size_t LineEnd(std::size_t index) const;
    // The index (from 0) of the line that holds offset.
    std::size_t LineOf(std::size_t offset) const;

  private:
    std::string_view text_;
    std::vector<std::size_t> starts_;
    mutable std::size_t lastLine_ = 0;
};

}  // namespace lumtrak::diagnostics

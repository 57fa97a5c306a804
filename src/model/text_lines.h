#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "model/definition_text.h"

namespace lumtrak::model {

// The lines of a text, numbered from 1 as the editor shows them: a line ends at
// "\r\n", "\n" or a lone "\r".
class TextLines {
  public:
    explicit TextLines(std::string_view text);

    // The line that holds pos; a position past the end lies on the last line.
    std::size_t LineOf(Cursor pos) const;
    // Where line (from 1) starts; the end of the text for a line past the last.
    Cursor LineStart(std::size_t line) const;
    std::size_t Count() const { return starts_.size(); }

  private:
    std::vector<Cursor> starts_;  // of every line; the first is 0
    Cursor end_ = 0;
};

// The line that holds pos, counted without keeping the lines.
std::size_t LineOf(std::string_view text, Cursor pos);

// How many lines end in [from, to) of text: every "\n", and every "\r" that
// no "\n" follows.
std::size_t LineEndsBetween(std::string_view text, Cursor from, Cursor to);

}  // namespace lumtrak::model

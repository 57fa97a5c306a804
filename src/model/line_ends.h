#pragma once

#include <string>
#include <string_view>

namespace lumtrak::model {

enum class LineEnd { CrLf, Cr, Lf };

// The line end that a new line typed into a text gets: CR LF, the format's own,
// for a text without line ends and for one whose first line end is CR LF; else
// the text's own line end (its first one), so that a file with LF or CR line
// ends keeps them.
LineEnd LineEndForNewLines(std::string_view text);

// text with every line end (CR LF, CR or LF) written as lineEnd.
std::string WithLineEnds(std::string_view text, LineEnd lineEnd);

}  // namespace lumtrak::model

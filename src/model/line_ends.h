#pragma once

#include <string_view>

namespace lumtrak::model {

enum class LineEnd { CrLf, Cr, Lf };

// The line end that a new line typed into a text gets: CR LF, the format's own,
// for a text without line ends and for one whose first line end is CR LF; else
// the text's own line end (its first one), so that a file with LF or CR line
// ends keeps them.
LineEnd LineEndForNewLines(std::string_view text);

}  // namespace lumtrak::model

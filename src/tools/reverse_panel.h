#pragma once

#include <string_view>

#include "tools/rewrite_result.h"

namespace lumtrak::tools {

// Reverse Panel ("Reverse Normal" for signals): reverses the point order of every
// Fill and Rect panel (P1, P4, P3, P2), swaps the two points of a Line, and swaps
// the vertices of each pair that follows "strip", so that every face turns round.
RewriteResult ReversePanel(std::string_view text, Selection selection);

}  // namespace lumtrak::tools

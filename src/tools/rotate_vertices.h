#pragma once

#include <string_view>

#include "tools/rewrite_result.h"

// Rotate Panel Vertices: turns the order of the points of every Fill and Rect
// panel by one place, and swaps the two points of a Line. The rewritten text stays
// selected, so that the command can be repeated at once.
namespace lumtrak::tools {

// The panel's last point becomes its first: P4, P1, P2, P3.
RewriteResult RotatePanelVerticesLeft(std::string_view text, Selection selection);
// The panel's first point becomes its last: P2, P3, P4, P1.
RewriteResult RotatePanelVerticesRight(std::string_view text, Selection selection);

}  // namespace lumtrak::tools

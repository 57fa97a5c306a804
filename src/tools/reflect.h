#pragma once

#include <string_view>

#include "tools/point.h"
#include "tools/rewrite_result.h"

namespace lumtrak::tools {

struct ReflectParameters {
    Point centre;  // W, L, H
    bool reflectW = false;
    bool reflectL = false;
    bool reflectH = false;
    bool leaveOriginal = false;
};

// Reflect: mirrors the points of Fill, Rect, Line and Vertex statements about the
// centre on the chosen axes, reverses the point order of every panel (so that it
// keeps facing outwards), and exchanges the side tags that the mirror turns round.
RewriteResult Reflect(std::string_view text, Selection selection,
                      const ReflectParameters& parameters);

}  // namespace lumtrak::tools

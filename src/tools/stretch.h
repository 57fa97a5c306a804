#pragma once

#include <string_view>

#include "tools/point.h"
#include "tools/rewrite_result.h"

namespace lumtrak::tools {

struct StretchParameters {
    Point factorPercent{100, 100, 100};  // W, L, H
    Point origin;
    bool stretchW = false;
    bool stretchL = false;
    bool stretchH = false;
    bool leaveOriginal = false;
};

// Stretch: scales the points of Fill, Rect, Line and Vertex statements about the
// origin by a percentage on the chosen axes.
RewriteResult Stretch(std::string_view text, Selection selection,
                      const StretchParameters& parameters);

}  // namespace lumtrak::tools

#pragma once

#include <cstdint>
#include <string_view>

#include "tools/point.h"
#include "tools/rewrite_result.h"

namespace lumtrak::tools {

struct ShiftParameters {
    Point offset;  // W, L, H
    bool leaveOriginal = false;
    bool repeat = false;
    std::int32_t repeatCount = 0;
};

// Shift: moves the points of Fill, Rect, Line, Wheel, Vertex, Motion1, Motion2 and
// Include statements by the offset. With repeat, pass k of n moves by k times the
// offset and inserts its result after the previous pass's.
RewriteResult Shift(std::string_view text, Selection selection, const ShiftParameters& parameters);

}  // namespace lumtrak::tools

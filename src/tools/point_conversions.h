#pragma once

#include <string_view>

#include "tools/rewrite_result.h"

// The tools without parameters that map every point of the Fill, Rect and Line
// statements on its own. Vertex, Wheel, Motion and Include statements and the
// "metric" and "imperial" keywords stay as they are.
namespace lumtrak::tools {

// Imperial > Metric: every value times 3.
RewriteResult ImperialToMetric(std::string_view text, Selection selection);
// Metric > Imperial: every value divided by 3, truncating toward zero.
RewriteResult MetricToImperial(std::string_view text, Selection selection);
// Rotate 90 Left: (x, y, z) becomes (-y, x, z).
RewriteResult Rotate90Left(std::string_view text, Selection selection);
// Rotate 90 Right: (x, y, z) becomes (y, -x, z).
RewriteResult Rotate90Right(std::string_view text, Selection selection);

}  // namespace lumtrak::tools

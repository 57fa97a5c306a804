#pragma once

#include <string_view>

#include "tools/rewrite_result.h"

namespace lumtrak::tools {

// The message of Cut-Out when the two panels share no coordinate plane.
inline constexpr std::string_view kNoCoPlaneMessage = "Can't identify co-plane";

// Cut-Out: the first two Fill panels of the selection, an outer panel and a hole
// in one coordinate plane, become the four panels that frame the hole; they
// replace the whole selection and carry the outer panel's tail. Fewer than two
// panels change nothing; panels in no common plane show kNoCoPlaneMessage.
RewriteResult CutOut(std::string_view text, Selection selection);

}  // namespace lumtrak::tools

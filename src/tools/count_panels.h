#pragma once

#include <cstdint>
#include <string_view>

#include "tools/rewrite_result.h"

namespace lumtrak::tools {

// The five fields of the Panel count dialog. Q1 is the front-left quadrant, Q2
// front-right, Q3 back-right, Q4 back-left.
struct PanelCounts {
    std::int64_t q1 = 0;
    std::int64_t q2 = 0;
    std::int64_t q3 = 0;
    std::int64_t q4 = 0;
    std::int64_t total = 0;
    bool operator==(const PanelCounts&) const = default;
};

struct PanelCountResult {
    PanelCounts counts;
    // Leaves the text as it is; with no selection the whole text ends up selected.
    RewriteResult rewrite;
};

// Count Panels: counts the Fill panels of the selection (of the whole text when
// nothing is selected), and per quadrant those whose side tag shows them there;
// an untagged panel counts in all four.
PanelCountResult CountPanels(std::string_view text, Selection selection);

}  // namespace lumtrak::tools

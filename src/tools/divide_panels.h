#pragma once

#include <cstdint>
#include <string_view>

#include "tools/rewrite_result.h"

namespace lumtrak::tools {

enum class DivideAxis { None, W, L, H };

// The fields of the Divide Panel dialog: the axis chosen with the radio buttons
// (none until one is clicked) and a division value per axis.
struct DivideParameters {
    DivideAxis axis = DivideAxis::None;
    std::int32_t w = 0;
    std::int32_t l = 0;
    std::int32_t h = 0;
};

// Divide Panel(s): every Fill in the selection becomes a low-side panel, a line
// break and a high-side panel, cut at the plane across the chosen axis; both keep
// the rest of the original line. With no axis chosen the panel is written twice.
RewriteResult DividePanels(std::string_view text, Selection selection,
                           const DivideParameters& parameters);

}  // namespace lumtrak::tools

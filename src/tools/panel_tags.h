#pragma once

#include <string_view>

#include "tools/rewrite_result.h"

// The tools that give every Fill, Rect and Line panel one side tag, placed after
// its colour and texture and before its markers and comment; a tag the panel had
// is dropped.
namespace lumtrak::tools {

// Set D3D only!: tags every panel " [D3D] ", shown only in the 3D preview. With no
// selection and the caret at the very start it works on the whole text.
RewriteResult SetD3DOnly(std::string_view text, Selection selection);

// Auto Q!: tags every panel with the quadrant it lies in, " [Left] ", " [Right] ",
// " [Back] " or " [Front] ", judged against the middle of the length that the
// text's first "length" gives; a panel in no single quadrant gets no tag. With no
// selection it works on the whole text.
RewriteResult AutoQ(std::string_view text, Selection selection);

}  // namespace lumtrak::tools

#pragma once

#include <cstdint>
#include <string_view>

#include "model/definition_text.h"

namespace lumtrak::model {

// The 8-bit material number of a fill: 0 to 15 the self-lit colours, 18 brass,
// 19 glass, 20 tinted glass, 31 custom, 100 headlight, 101 taillight.
using MaterialCode = std::int8_t;

inline constexpr MaterialCode kBrass = 18;
inline constexpr MaterialCode kGlass = 19;
inline constexpr MaterialCode kTintedGlass = 20;
inline constexpr MaterialCode kCustom = 31;
inline constexpr MaterialCode kHeadlight = 100;
inline constexpr MaterialCode kTaillight = 101;

// The sixteen colour names, in the order in which they are tried; the index is
// the material number.
inline constexpr std::string_view kColourNames[16] = {
    "black",  "dkred", "dkgreen", "yellow",    "dkblue", "magenta",    "cyan",    "grey",
    "dkgrey", "red",   "green",   "brtyellow", "blue",   "brtmagenta", "brtcyan", "white",
};

// Reads the material whose '*' is at the cursor. A named material steps the
// cursor over its name; a colour name or a number leaves it on the '*'.
MaterialCode ReadMaterial(const DefinitionText& text, Cursor& cursor);

// How many bytes of the text at the '*' at cursor name its material: the
// named material, the '*' and a colour name, or the '*' and the number that
// ReadMaterial reads; 1 when the '*' names nothing.
std::size_t MaterialTextLength(const DefinitionText& text, Cursor cursor);

}  // namespace lumtrak::model

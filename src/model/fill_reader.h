#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/colour_aliases.h"
#include "model/definition_text.h"
#include "model/panel.h"
#include "model/placement.h"
#include "model/side_mask.h"

namespace lumtrak::model {

class ProblemSink;
class TextureRegistry;

// The colour of a fill whose tail gives none.
inline constexpr std::uint32_t kDefaultFillColour = 0x00C0C0C0;

// Reads a whole "fill" statement from the cursor (at the word "fill") into a new
// panel: four corners, then the tail of colour, texture, side tag, modifiers and
// material. The cursor is left on the line end, '#' or "//" that ended it, or at
// or past the end of the text. Texture names are registered with folderText.
// What the reading finds is reported to problems, if given: corners that do
// not fit their 16 bits, textures that the registry's look-up does not find or
// cannot read, alias references that the list does not hold.
std::unique_ptr<Panel> ReadFillPanel(const DefinitionText& text, Cursor& cursor,
                                     const SideMask& sides, const Placement& placement,
                                     std::string_view folderText, const ColourAliasList& aliases,
                                     TextureRegistry& textures, ProblemSink* problems = nullptr);

}  // namespace lumtrak::model

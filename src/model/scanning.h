#pragma once

#include <cstdint>
#include <optional>

#include "model/definition_text.h"
#include "model/side_mask.h"

// Stepping over the fields of a definition line, and reading side tags.
namespace lumtrak::model {

// Steps over the current field, one delimiter and the blanks after them, never
// past a line end. Fields end at a blank or at one of , [ ] . & : / > #. A field
// ended by the terminating zero leaves the cursor one past the end of the text.
void SkipField(const DefinitionText& text, Cursor& cursor);

// As SkipField, but '.' and '&' belong to the field.
void SkipFieldKeepDots(const DefinitionText& text, Cursor& cursor);

// Reads the side tag whose '[' is at the cursor into all four entries of mask.
// A named tag leaves the cursor on the first letter of its name, a numeric tag
// such as [1,0,0,1] on its fourth value.
void ReadSideTag(const DefinitionText& text, Cursor& cursor, SideMask& mask);

// Reads a colour written as three components r, g and b with a field step
// between them, as 0x00BBGGRR (the low eight bits of each). The cursor is left
// on the first character of b.
std::uint32_t ReadColour(const DefinitionText& text, Cursor& cursor);
// The same, for a colour that the end of the text may cut short: nothing when
// the end is reached after r.
std::optional<std::uint32_t> ReadColourBeforeEnd(const DefinitionText& text, Cursor& cursor);

}  // namespace lumtrak::model

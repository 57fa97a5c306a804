#pragma once

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

}  // namespace lumtrak::model

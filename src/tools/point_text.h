#pragma once

#include <cstdint>
#include <string>

#include "model/definition_text.h"
#include "tools/point.h"

// Reading and writing the numbers of the lines the tools rewrite.
namespace lumtrak::tools {

using model::Cursor;
using model::DefinitionText;

// How the field after a value is stepped over.
enum class FieldEnd {
    // SkipField: the field, one delimiter and the blanks after them.
    Next,
    // As Next, but stopping in front of the first byte from 0x80 to 0xFF, which
    // then stays as text after the statement. Used after the last value a tool reads
    // of a statement, so that a marker such as the pound sign right after a fill's
    // points is copied rather than passed over as a blank.
    KeepHighBytes,
};

// Steps over the field at the cursor as `end` says.
void SkipValueField(const DefinitionText& text, Cursor& cursor, FieldEnd end = FieldEnd::Next);
// As SkipValueField with SkipFieldKeepDots ('.' and '&' belong to the field).
void SkipDecimalField(const DefinitionText& text, Cursor& cursor, FieldEnd end = FieldEnd::Next);

// The integer at the cursor (atoi rules), then the field is stepped over.
std::int32_t ReadValue(const DefinitionText& text, Cursor& cursor, FieldEnd end = FieldEnd::Next);

// x, y and z, each read as a value; `end` applies to the field after z.
Point ReadPoint(const DefinitionText& text, Cursor& cursor, FieldEnd end = FieldEnd::Next);

// The decimal number at the cursor as the C runtime's atof reads it (leading
// white space, sign, digits, a decimal point, an exponent); no number gives 0.
// The cursor does not move.
double ReadDecimal(const DefinitionText& text, Cursor cursor);

// "%d"
void AppendInt(std::string& out, std::int32_t value);
// "%d/%d/%d "
void AppendPoint(std::string& out, const Point& point);
// "%lf": fixed notation with six decimals.
void AppendDecimal(std::string& out, double value);

}  // namespace lumtrak::tools

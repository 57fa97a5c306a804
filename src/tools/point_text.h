#pragma once

#include <cstdint>
#include <string>

#include "model/characters.h"
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

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The integer at the cursor (atoi rules), then the field is stepped over.
std::int32_t ReadValueSlowly(const DefinitionText& text, Cursor& cursor, FieldEnd end);

inline std::int32_t ReadValue(const DefinitionText& text, Cursor& cursor,
                              FieldEnd end = FieldEnd::Next) {
    // Almost every value is a few digits, perhaps after a minus sign, right at the
    // cursor and ended by a '/' or a blank. That case is read and stepped over in
    // one go, the step over the delimiter and the blanks after it being the one
    // SkipField takes; anything else, and anything near the end of the text, goes
    // the general way.
    const std::string_view bytes = text.Bytes();
    constexpr std::size_t kLongest = 11;  // a sign, nine digits, the delimiter
    if (cursor + kLongest <= bytes.size()) {
        const char* const first = bytes.data() + cursor;
        const bool negative = *first == '-';
        const char* const digits = first + (negative ? 1 : 0);
        const char* const stop = digits + 9;
        const char* next = digits;
        std::uint32_t magnitude = 0;
        for (; next != stop; ++next) {
            // Bytes below '0' wrap round to large values.
            const std::uint32_t digit =
                static_cast<std::uint32_t>(static_cast<unsigned char>(*next)) - std::uint32_t{'0'};
            if (digit > 9) break;
            magnitude = magnitude * 10 + digit;
        }
        const char delimiter = *next;
        if (next != digits && (delimiter == '/' || delimiter == ' ' || delimiter == '\t')) {
            ++next;
            const char* const last = bytes.data() + bytes.size();
            while (next < last && *next != '\0' && model::IsAtOrBelowBlank(*next) &&
                   !model::IsLineEnd(*next) &&
                   !(end == FieldEnd::KeepHighBytes && static_cast<unsigned char>(*next) >= 0x80)) {
                ++next;
            }
            cursor = static_cast<Cursor>(next - bytes.data());
            const auto value = static_cast<std::int32_t>(magnitude);
            return negative ? -value : value;
        }
    }
    return ReadValueSlowly(text, cursor, end);
}

// x, y and z, each read as a value; `end` applies to the field after z.
inline Point ReadPoint(const DefinitionText& text, Cursor& cursor, FieldEnd end = FieldEnd::Next) {
    Point point;
    point.x = ReadValue(text, cursor);
    point.y = ReadValue(text, cursor);
    point.z = ReadValue(text, cursor, end);
    return point;
}

// The decimal number at the cursor as the C runtime's atof reads it (leading
// white space, sign, digits, a decimal point, an exponent); no number gives 0.
// The cursor does not move.
double ReadDecimal(const DefinitionText& text, Cursor cursor);

// "%d" at next; returns the end of what it wrote (at most 11 bytes).
char* WriteInt(char* next, std::int32_t value);
// "%d"
void AppendInt(std::string& out, std::int32_t value);
// "%d/%d/%d " at next; returns the end of what it wrote (at most kLongestPoint
// bytes).
inline constexpr std::size_t kLongestPoint = 3 * 12;
char* WritePoint(char* next, const Point& point);
// "%d/%d/%d "
void AppendPoint(std::string& out, const Point& point);
// "%lf": fixed notation with six decimals.
void AppendDecimal(std::string& out, double value);

}  // namespace lumtrak::tools

#pragma once

#include <cstdint>
#include <string_view>

#include "model/definition_text.h"

// The byte-level rules that every reader and rewriter of definition text shares.
// Bytes compare as signed 8-bit values, so 0x80 to 0xFF lie below the blank and
// count as blanks and field delimiters.
namespace lumtrak::model {

constexpr int Signed(char c) {
    return static_cast<std::int8_t>(c);
}

constexpr bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
constexpr bool IsAtOrBelowBlank(char c) {
    return Signed(c) <= ' ';
}
constexpr bool IsAboveBlank(char c) {
    return Signed(c) > ' ';
}
constexpr bool IsBelowBlank(char c) {
    return Signed(c) < ' ';
}

// A zero byte or any control byte except the tab: where comments and the
// highlighted lines end. Bytes 0x80 to 0xFF do not end them.
constexpr bool IsControlOtherThanTab(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t';
}

constexpr char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Whether the text at pos begins with word, compared without regard to case.
bool StartsWithIgnoringCase(const DefinitionText& text, Cursor pos, std::string_view word);
bool StartsWithIgnoringCase(std::string_view text, std::string_view word);

// The decimal integer at pos as the C runtime's atoi reads it: leading white
// space (line ends included) is skipped, an optional sign and digits are taken.
// Text without digits gives 0; values beyond the 32-bit range saturate.
std::int32_t ReadInteger(const DefinitionText& text, Cursor pos);

// Whether the text at pos starts a "//" comment or a '#' one.
inline bool IsCommentStart(const DefinitionText& text, Cursor pos) {
    return text[pos] == '#' || (text[pos] == '/' && text[pos + 1] == '/');
}

}  // namespace lumtrak::model

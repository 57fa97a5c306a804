#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/definition_text.h"
#include "platform/ascii.h"

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
// A blank that is not the terminating zero byte: 1 to 32 or 0x80 to 0xFF.
constexpr bool IsNonZeroBlank(char c) {
    return c != '\0' && IsAtOrBelowBlank(c);
}

// A zero byte or any control byte except the tab: where comments and the
// highlighted lines end. Bytes 0x80 to 0xFF do not end them.
constexpr bool IsControlOtherThanTab(char c) {
    return static_cast<unsigned char>(c) < 0x20 && c != '\t';
}

using platform::ToLowerAscii;

// Whether the text at pos begins with word, compared without regard to case.
inline bool StartsWithIgnoringCase(const DefinitionText& text, Cursor pos, std::string_view word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (ToLowerAscii(text[pos + i]) != ToLowerAscii(word[i])) return false;
    }
    return true;
}
inline bool StartsWithIgnoringCase(std::string_view text, std::string_view word) {
    return text.size() >= word.size() &&
           platform::EqualIgnoringAsciiCase(text.substr(0, word.size()), word);
}

// The decimal integer at pos as the C runtime's atoi reads it: leading white
// space (line ends included) is skipped, an optional sign and digits are taken.
// Text without digits gives 0; values beyond the 32-bit range saturate.
inline std::int32_t ReadInteger(const DefinitionText& text, Cursor pos) {
    // On the bytes of the text: the zero byte after them ends every part.
    const std::string_view bytes = text.Bytes();
    while (pos < bytes.size() && platform::IsAsciiSpace(bytes[pos]))
        ++pos;
    if (pos >= bytes.size()) return 0;
    const bool negative = bytes[pos] == '-';
    if (negative || bytes[pos] == '+') ++pos;
    constexpr std::int64_t kLimit = std::int64_t(INT32_MAX) + 1;
    std::int64_t magnitude = 0;
    for (; pos < bytes.size(); ++pos) {
        const unsigned digit = static_cast<unsigned char>(bytes[pos]) - unsigned('0');
        if (digit > 9) break;
        if (magnitude <= kLimit) magnitude = magnitude * 10 + digit;
    }
    if (magnitude >= kLimit) return negative ? INT32_MIN : INT32_MAX;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// Where the digits that ReadInteger reads at pos stand: from its sign, or its
// first digit, to after its last digit; an empty span after the white space
// when there are none.
struct IntegerSpan {
    Cursor start = 0;
    Cursor end = 0;
};
inline IntegerSpan IntegerSpanAt(const DefinitionText& text, Cursor pos) {
    while (platform::IsAsciiSpace(text[pos]))
        ++pos;
    Cursor end = pos;
    if (text[end] == '-' || text[end] == '+') ++end;
    const Cursor digits = end;
    while (text[end] >= '0' && text[end] <= '9')
        ++end;
    return {pos, end == digits ? pos : end};
}

// Whether the text at pos starts a "//" comment or a '#' one.
inline bool IsCommentStart(const DefinitionText& text, Cursor pos) {
    return text[pos] == '#' || (text[pos] == '/' && text[pos + 1] == '/');
}

}  // namespace lumtrak::model

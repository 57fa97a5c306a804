#pragma once

#include <string>
#include <string_view>

// ASCII case, white space and trimming, the only ones the kit uses: names in
// definitions, index keys and file names compare without regard to the case of
// A to Z, and every other byte compares as it is.
namespace lumtrak::platform {

constexpr char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string ToLowerAscii(std::string text) {
    for (char& c : text)
        c = ToLowerAscii(c);
    return text;
}

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
    }
    return true;
}

// White space as the C runtime's isspace sees it in the "C" locale: blank,
// tab, line feed, vertical tab, form feed and carriage return.
inline constexpr std::string_view kAsciiSpace = " \t\n\v\f\r";
constexpr bool IsAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// text without the bytes of `trimmed` at either end.
constexpr std::string_view Trim(std::string_view text, std::string_view trimmed) {
    const std::size_t first = text.find_first_not_of(trimmed);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(trimmed) - first + 1);
}

// text without the bytes of `trimmed` at its end.
constexpr std::string_view TrimEnd(std::string_view text, std::string_view trimmed) {
    const std::size_t last = text.find_last_not_of(trimmed);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

static_assert(Trim(" \t a b\r\n", kAsciiSpace) == "a b");
static_assert(TrimEnd(" a \v", kAsciiSpace) == " a");
static_assert(Trim("\f\v", kAsciiSpace).empty() && TrimEnd("", kAsciiSpace).empty());

}  // namespace lumtrak::platform

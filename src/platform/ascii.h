#pragma once

#include <string>
#include <string_view>

// ASCII case and trimming, the only ones the kit uses: names in definitions,
// index keys and file names compare without regard to the case of A to Z, and
// every other byte compares as it is.
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

// text without the bytes of `trimmed` at either end.
constexpr std::string_view Trim(std::string_view text, std::string_view trimmed) {
    const std::size_t first = text.find_first_not_of(trimmed);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(trimmed) - first + 1);
}

}  // namespace lumtrak::platform

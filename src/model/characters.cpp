#include "model/characters.h"

#include <limits>

namespace lumtrak::model {
namespace {

constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool StartsWithIgnoringCase(const DefinitionText& text, Cursor pos, std::string_view word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (ToLowerAscii(text[pos + i]) != ToLowerAscii(word[i])) return false;
    }
    return true;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (ToLowerAscii(text[i]) != ToLowerAscii(word[i])) return false;
    }
    return true;
}

std::int32_t ReadInteger(const DefinitionText& text, Cursor pos) {
    while (IsCSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    while (text[pos] >= '0' && text[pos] <= '9') {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[pos] - '0');
        ++pos;
    }
    if (negative) {
        return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                                   : std::int32_t(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max() : std::int32_t(magnitude);
}

}  // namespace lumtrak::model

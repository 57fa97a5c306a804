#include "stockindex/find_first_of.h"

#include <array>

#include "model/characters.h"

namespace lumtrak::stockindex {
namespace {

constexpr char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

}  // namespace

std::size_t FindFirstOf(std::string_view bytes, std::size_t from, std::string_view s1,
                        std::string_view s2, std::string_view s3) {
    const std::array<std::string_view, 3> patterns{s1, s2, s3};
    std::array<std::size_t, 3> matched{};

    // While every pattern stands at its start, the bytes that start none of them
    // change nothing and are skipped in a tight loop.
    std::array<bool, 256> startsPattern{};
    for (std::string_view pattern : patterns) {
        if (pattern.empty()) continue;
        startsPattern[static_cast<unsigned char>(model::ToLowerAscii(pattern.front()))] = true;
        startsPattern[static_cast<unsigned char>(ToUpperAscii(pattern.front()))] = true;
    }
    auto startsAny = [&](char c) { return startsPattern[static_cast<unsigned char>(c)]; };

    const std::size_t end = bytes.size();
    bool atStarts = true;
    for (std::size_t p = from; p < end; ++p) {
        if (atStarts) {
            while (p < end && !startsAny(bytes[p]))
                ++p;
            if (p == end) break;
        }
        const char c = model::ToLowerAscii(bytes[p]);
        atStarts = true;
        for (std::size_t k = 0; k < patterns.size(); ++k) {
            const std::string_view pattern = patterns[k];
            if (pattern.empty()) continue;
            matched[k] = c == model::ToLowerAscii(pattern[matched[k]]) ? matched[k] + 1 : 0;
            if (matched[k] != 0) atStarts = false;
        }
        for (std::size_t k = 0; k < patterns.size(); ++k) {
            const std::string_view pattern = patterns[k];
            if (!pattern.empty() && matched[k] == pattern.size()) return p + 1 - pattern.size();
        }
    }
    return end;
}

}  // namespace lumtrak::stockindex

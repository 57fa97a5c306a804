#include "stockindex/find_first_of.h"

#include "model/characters.h"

namespace lumtrak::stockindex {
namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = model::ToLowerAscii(c);
    return lower;
}

}  // namespace

// A pattern can only complete where its first two bytes stand together, so
// while every pattern is at its start the search can pass over bytes up to the
// next such pair without looking at them one at a time.
PatternSearch::PatternSearch(std::string_view s1, std::string_view s2, std::string_view s3) {
    // An empty pattern never matches: it is left out.
    for (std::string_view pattern : {s1, s2, s3}) {
        if (!pattern.empty()) patterns_[used_++] = LowerCase(pattern);
    }
    for (std::size_t k = 0; k < used_; ++k) {
        const std::string& pattern = patterns_[k];
        if (pattern.size() < 2) {
            pairs_ = {};
            return;
        }
        pairs_.Add(pattern[0], pattern[1]);
    }
}

// The first position at or after from, with every pattern at its start before
// from, from which the search has to go on byte by byte: bytes.size() when no
// pattern can complete any more.
std::size_t PatternSearch::StartBeforePair(std::string_view bytes, std::size_t from) const {
    const std::size_t pair = FindBytePair(bytes, from, pairs_);
    if (pair == bytes.size()) return pair;
    // Up to the pair a pattern can have got past its first byte only on the
    // byte before, and whether it did depends on the run of first bytes that
    // byte ends: the search starts before that run, where all are at start.
    const auto isFirst = [this](char c) {
        for (std::size_t k = 0; k < pairs_.count; ++k) {
            if (WithCaseBit(c) == pairs_.first[k]) return true;
        }
        return false;
    };
    std::size_t start = pair;
    while (start > from && isFirst(bytes[start - 1]))
        --start;
    return start;
}

std::size_t PatternSearch::FindIn(std::string_view bytes, std::size_t from) const {
    std::array<std::size_t, 3> matched{};
    std::size_t p = from;
    while (p < bytes.size()) {
        // Every pattern is at its start here.
        if (pairs_.count != 0) {
            p = StartBeforePair(bytes, p);
            if (p >= bytes.size()) break;
        }
        // Byte by byte until every pattern is back at its start. The first
        // pattern to complete on a byte wins, so they are looked at in order.
        for (bool atStarts = false; p < bytes.size() && !atStarts; ++p) {
            const char c = model::ToLowerAscii(bytes[p]);
            atStarts = true;
            for (std::size_t k = 0; k < used_; ++k) {
                const std::string& pattern = patterns_[k];
                const std::size_t next = c == pattern[matched[k]] ? matched[k] + 1 : 0;
                if (next == pattern.size()) return p + 1 - pattern.size();
                matched[k] = next;
                atStarts = atStarts && next == 0;
            }
        }
    }
    return bytes.size();
}

std::size_t FindFirstOf(std::string_view bytes, std::size_t from, std::string_view s1,
                        std::string_view s2, std::string_view s3) {
    return PatternSearch(s1, s2, s3).FindIn(bytes, from);
}

}  // namespace lumtrak::stockindex

#include "stockindex/find_first_of.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "model/characters.h"

namespace lumtrak::stockindex {
namespace {

using Patterns = std::array<std::string_view, 3>;

constexpr unsigned char Fold(char c) {
    return static_cast<unsigned char>(c) | 0x20;
}

constexpr std::size_t kBlock = 64;

struct Slots {
    std::array<unsigned char, 3> first;
    std::array<unsigned char, 3> second;
};

// Passes over whole blocks of bytes without a pattern's pair; stops at the
// block's first pair, if one is found, or where less than a block and the byte
// after it are left. The pairs of a block are marked in a loop of fixed length,
// which the compiler turns into vector compares that also gather whether any is
// marked; only a block with a mark is looked at byte by byte.
template <std::size_t N>
[[gnu::always_inline]] inline std::size_t SkipBlocksOf(const char* data, std::size_t size,
                                                       std::size_t p, const Slots& slots) {
    std::array<unsigned char, N> first{};
    std::array<unsigned char, N> second{};
    for (std::size_t k = 0; k < N; ++k) {
        first[k] = slots.first[k];
        second[k] = slots.second[k];
    }
    while (size - p > kBlock) {
        const char* const block = data + p;
        std::array<unsigned char, kBlock> marks;
        unsigned char any = 0;
        for (std::size_t i = 0; i < kBlock; ++i) {
            const unsigned char a = Fold(block[i]);
            const unsigned char b = Fold(block[i + 1]);
            unsigned char mark = 0;
            // Without branches: 1 or 0 for each compare.
            for (std::size_t k = 0; k < N; ++k)
                mark |= static_cast<unsigned char>(static_cast<unsigned>(a == first[k]) &
                                                   static_cast<unsigned>(b == second[k]));
            marks[i] = mark;
            any |= mark;
        }
        if (any != 0) {
            std::size_t i = 0;
            while (marks[i] == 0)
                ++i;
            return p + i;
        }
        p += kBlock;
    }
    return p;
}

// The same loop built twice, for the wide vector compares of processors that
// have them and for every other; the loader picks one when the program starts.
// The search spends most of an index rebuild here.
#define LUMTRAK_SKIP_BLOCKS(NAME, N)                                             \
    [[gnu::target_clones("avx2", "default")]] std::size_t NAME(                  \
        const char* data, std::size_t size, std::size_t p, const Slots& slots) { \
        return SkipBlocksOf<N>(data, size, p, slots);                            \
    }
LUMTRAK_SKIP_BLOCKS(SkipBlocksOf1, 1)
LUMTRAK_SKIP_BLOCKS(SkipBlocksOf2, 2)
LUMTRAK_SKIP_BLOCKS(SkipBlocksOf3, 3)
#undef LUMTRAK_SKIP_BLOCKS

// Where the search may jump ahead. A pattern can only complete where its first
// two bytes stand together, so while every pattern is at its start the search
// can pass over bytes up to the next such pair without looking at them one at a
// time. Bytes are compared with the case bit set, which matches a few bytes too
// many (such as '{' for '['), never too few.
class PairFinder {
  public:
    explicit PairFinder(const Patterns& patterns) {
        for (std::string_view pattern : patterns) {
            if (pattern.empty()) continue;
            if (pattern.size() < 2) {
                used_ = 0;  // no pairs to look for: no jumping
                return;
            }
            first_[used_] = Fold(pattern[0]);
            second_[used_] = Fold(pattern[1]);
            ++used_;
        }
    }

    bool Enabled() const { return used_ != 0; }

    // The first position at or after p, with every pattern at its start before
    // p, from which the search has to go on byte by byte: bytes.size() when no
    // pattern can complete any more.
    std::size_t Next(std::string_view bytes, std::size_t p) const {
        const std::size_t pair = FindPair(bytes, p);
        if (pair == bytes.size()) return pair;
        // Up to the pair a pattern can have got past its first byte only on the
        // byte before, and whether it did depends on the run of first bytes that
        // byte ends: the search starts before that run, where all are at start.
        std::size_t start = pair;
        while (start > p && IsFirst(Fold(bytes[start - 1])))
            --start;
        return start;
    }

  private:
    bool IsFirst(unsigned char folded) const {
        for (std::size_t k = 0; k < used_; ++k) {
            if (folded == first_[k]) return true;
        }
        return false;
    }

    bool IsPair(unsigned char a, unsigned char b) const {
        for (std::size_t k = 0; k < used_; ++k) {
            if (a == first_[k] && b == second_[k]) return true;
        }
        return false;
    }

    // The first position at or after p where some pattern's pair stands, or
    // bytes.size().
    std::size_t FindPair(std::string_view bytes, std::size_t p) const {
        switch (used_) {
            case 1:
                p = SkipBlocks<1>(bytes, p);
                break;
            case 2:
                p = SkipBlocks<2>(bytes, p);
                break;
            default:
                p = SkipBlocks<3>(bytes, p);
                break;
        }
        for (; p + 1 < bytes.size(); ++p) {
            if (IsPair(Fold(bytes[p]), Fold(bytes[p + 1]))) return p;
        }
        return bytes.size();
    }

    template <std::size_t N>
    std::size_t SkipBlocks(std::string_view bytes, std::size_t p) const {
        const Slots slots{first_, second_};
        if constexpr (N == 1) return SkipBlocksOf1(bytes.data(), bytes.size(), p, slots);
        if constexpr (N == 2) return SkipBlocksOf2(bytes.data(), bytes.size(), p, slots);
        return SkipBlocksOf3(bytes.data(), bytes.size(), p, slots);
    }

    std::size_t used_ = 0;
    std::array<unsigned char, 3> first_{};
    std::array<unsigned char, 3> second_{};
};

}  // namespace

std::size_t FindFirstOf(std::string_view bytes, std::size_t from, std::string_view s1,
                        std::string_view s2, std::string_view s3) {
    const Patterns patterns{s1, s2, s3};
    const PairFinder pairs(patterns);
    std::array<std::size_t, 3> matched{};
    std::size_t p = from;
    while (p < bytes.size()) {
        // Every pattern is at its start here.
        if (pairs.Enabled()) {
            p = pairs.Next(bytes, p);
            if (p >= bytes.size()) break;
        }
        // Byte by byte until every pattern is back at its start.
        bool atStarts = false;
        for (; p < bytes.size() && !atStarts; ++p) {
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
    }
    return bytes.size();
}

}  // namespace lumtrak::stockindex

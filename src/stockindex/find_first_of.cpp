#include "stockindex/find_first_of.h"

#include <array>

#include "model/characters.h"

namespace lumtrak::stockindex {
namespace {

using Patterns = std::array<std::string_view, 3>;

constexpr unsigned char Fold(char c) {
    return static_cast<unsigned char>(c) | 0x20;
}

// Where the search may jump ahead. Every pattern keeps its position only while
// each byte continues it, so a pattern can get past its first byte only where
// its first two bytes stand together. A run of bytes that holds no such pair
// and does not end with a pattern's first byte leaves every pattern at its
// start, whatever it started with, and can be passed over without looking at
// its bytes one at a time. Bytes are compared with the case bit set, which
// matches a few bytes too many (such as '{' for '['), never too few.
class Skipper {
  public:
    explicit Skipper(const Patterns& patterns) {
        std::size_t used = 0;
        for (std::string_view pattern : patterns) {
            if (pattern.empty()) continue;
            if (pattern.size() < 2) return;  // no pairs to look for: no skipping
            first_[used] = Fold(pattern[0]);
            second_[used] = Fold(pattern[1]);
            ++used;
        }
        if (used == 0) return;
        // Unused slots repeat a used one, so that every slot can be compared.
        for (std::size_t k = used; k < first_.size(); ++k) {
            first_[k] = first_[0];
            second_[k] = second_[0];
        }
        enabled_ = true;
    }

    // The first position at or after p, with every pattern at its start there,
    // that may need a look byte by byte.
    std::size_t Skip(std::string_view bytes, std::size_t p) const {
        if (!enabled_) return p;
        // A block is looked at together with the byte after it.
        while (bytes.size() - p > kBlock && Passable(bytes.data() + p))
            p += kBlock;
        return p;
    }

    static constexpr std::size_t kBlock = 32;

  private:
    // 1 or 0, to be combined without branches.
    static unsigned char Is(unsigned char a, unsigned char b) {
        return static_cast<unsigned char>(a == b);
    }

    bool StartsPattern(unsigned char folded) const {
        return folded == first_[0] || folded == first_[1] || folded == first_[2];
    }

    // A loop over a block of fixed length, which the compiler turns into vector
    // compares.
    bool Passable(const char* block) const {
        unsigned char pairs = 0;
        for (std::size_t i = 0; i < kBlock; ++i) {
            const unsigned char a = Fold(block[i]);
            const unsigned char b = Fold(block[i + 1]);
            pairs |= static_cast<unsigned char>((Is(a, first_[0]) & Is(b, second_[0])) |
                                                (Is(a, first_[1]) & Is(b, second_[1])) |
                                                (Is(a, first_[2]) & Is(b, second_[2])));
        }
        return pairs == 0 && !StartsPattern(Fold(block[kBlock - 1]));
    }

    bool enabled_ = false;
    std::array<unsigned char, 3> first_{};
    std::array<unsigned char, 3> second_{};
};

}  // namespace

std::size_t FindFirstOf(std::string_view bytes, std::size_t from, std::string_view s1,
                        std::string_view s2, std::string_view s3) {
    const Patterns patterns{s1, s2, s3};
    const Skipper skipper(patterns);
    std::array<std::size_t, 3> matched{};
    bool atStarts = true;
    // The block that stopped a skip is looked at one byte at a time.
    std::size_t bytewiseUntil = from;
    for (std::size_t p = from; p < bytes.size(); ++p) {
        if (atStarts && p >= bytewiseUntil) {
            p = skipper.Skip(bytes, p);
            if (p == bytes.size()) break;
            bytewiseUntil = p + Skipper::kBlock;
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
    return bytes.size();
}

}  // namespace lumtrak::stockindex

#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace lumtrak::stockindex {

// A byte with its case bit (0x20) set: letters fold to lower case, and a few
// other bytes fold too ('[' to '{', say).
constexpr unsigned char WithCaseBit(char c) {
    return static_cast<unsigned char>(c) | 0x20;
}

// Up to three two-byte pairs, each byte with its case bit set; Add puts one in.
struct BytePairs {
    std::array<unsigned char, 3> first{};
    std::array<unsigned char, 3> second{};
    std::size_t count = 0;
    // For each value of a byte's low seven bits, one bit for each pair that a
    // byte of that value may start, and one for each it may end: a table for
    // looking up 64 bytes at once, which leaves a few candidates to check.
    std::array<unsigned char, 128> mayStart{};
    std::array<unsigned char, 128> mayEnd{};

    void Add(char firstByte, char secondByte);
};

// The first position q at or after from, with q + 1 < bytes.size(), where
// bytes[q] and bytes[q + 1], each with the case bit set, make one of the pairs;
// bytes.size() when there is none. Setting the bit folds letters to lower case
// and matches a few other bytes too ('{' for '[', say): never too few.
std::size_t FindBytePair(std::string_view bytes, std::size_t from, const BytePairs& pairs);

// How FindBytePair looks: a byte at a time, or with vectors of 16, 32 or 64
// bytes; all find the same.
enum class PairScanWay { Bytes, Sse2, Avx2, Vbmi };

// The ways this processor can take, from the plainest; FindBytePair takes the
// last.
std::vector<PairScanWay> PairScanWaysHere();

std::size_t FindBytePair(std::string_view bytes, std::size_t from, const BytePairs& pairs,
                         PairScanWay way);

}  // namespace lumtrak::stockindex

#include "stockindex/byte_pair_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace lumtrak::stockindex {
namespace {

// Every way this processor has must find what the byte-by-byte way finds, with
// pairs and texts whose bytes differ only in the case bit or the top bit, and
// wherever a text ends inside or just past a round of 64 bytes.
TEST(FindBytePair, EveryWayFindsWhatTheBytesShow) {
    const std::string alphabet = "hHiI[{eEcCoO.n\xe8\xc8\xe9\xfb\x80";
    std::uint32_t state = 2024;
    auto next = [&state](std::uint32_t below) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % below;
    };
    for (int round = 0; round < 400; ++round) {
        BytePairs pairs;
        for (std::uint32_t k = 0, count = 1 + next(3); k < count; ++k) {
            pairs.Add(alphabet[next(alphabet.size())], alphabet[next(alphabet.size())]);
        }
        // Mostly filler, so that rounds without a pair are passed over.
        std::string text(next(300), 'x');
        for (char& c : text) {
            if (next(16) == 0) c = alphabet[next(alphabet.size())];
        }
        const std::size_t from = next(static_cast<std::uint32_t>(text.size()) + 2);
        const std::size_t expected = FindBytePair(text, from, pairs, PairScanWay::Bytes);
        for (PairScanWay way : PairScanWaysHere()) {
            EXPECT_EQ(FindBytePair(text, from, pairs, way), expected)
                << "way " << static_cast<int>(way) << ", round " << round;
        }
    }
}

TEST(FindBytePair, FoldsTheCaseBitAndNothingElse) {
    BytePairs pairs;
    pairs.Add('[', 'e');  // '[' with its case bit set is '{'
    for (PairScanWay way : PairScanWaysHere()) {
        const std::string filler(70, '-');
        EXPECT_EQ(FindBytePair(filler + "{E", 0, pairs, way), 70u);
        EXPECT_EQ(FindBytePair(filler + "[e", 0, pairs, way), 70u);
        // The same low seven bits with the top bit set: no pair.
        EXPECT_EQ(FindBytePair(filler +
                                   "\xdb"
                                   "e" +
                                   filler,
                               0, pairs, way),
                  142u);
        // A pair needs both bytes: none at the very end.
        EXPECT_EQ(FindBytePair(filler + "[", 0, pairs, way), 71u);
        EXPECT_EQ(FindBytePair(filler + "[e", 71, pairs, way), 72u);
    }
}

TEST(FindBytePair, NoPairsFindNothing) {
    for (PairScanWay way : PairScanWaysHere())
        EXPECT_EQ(FindBytePair(std::string(100, 'a'), 0, BytePairs{}, way), 100u);
}

}  // namespace
}  // namespace lumtrak::stockindex

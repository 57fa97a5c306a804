#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/line_pieces.h"

namespace lumtrak::platform {
namespace {

// The pieces that a LinePieceReader cuts from content given `chunk` bytes a read.
std::vector<std::string> ReadPieces(std::string_view content, std::size_t chunk,
                                    std::size_t maxLength) {
    LinePieceReader reader(
        [&](std::span<char> into) {
            const std::size_t count = std::min({chunk, into.size(), content.size()});
            std::memcpy(into.data(), content.data(), count);
            content.remove_prefix(count);
            return std::ptrdiff_t(count);
        },
        maxLength);
    std::vector<std::string> pieces;
    while (const auto piece = reader.Next())
        pieces.emplace_back(*piece);
    EXPECT_FALSE(reader.Failed());
    return pieces;
}

TEST(LinePieceReader, CutsAStreamAsLinePiecesCutsItInMemory) {
    const std::string content = std::string(600, 'x') + "\n\n" + std::string(249, 'y') + "\n" +
                                std::string(248, 'z') + "\r\nend without line end";
    std::vector<std::string> expected;
    for (auto piece : LinePieces(content))
        expected.emplace_back(piece);
    ASSERT_EQ(expected.size(), 9u);
    EXPECT_EQ(expected[2], std::string(102, 'x') + "\n");
    EXPECT_EQ(expected[5], "\n");
    for (std::size_t chunk : {1, 2, 7, 248, 249, 250, 100000}) {
        EXPECT_EQ(ReadPieces(content, chunk, kLinePieceLength), expected) << chunk;
    }
    EXPECT_THAT(ReadPieces("ab\ncd", 1, 1), ::testing::ElementsAre("a", "b", "\n", "c", "d"));
}

TEST(LinePieceReader, StopsWhenReadingFails) {
    int reads = 0;
    LinePieceReader reader([&](std::span<char> into) -> std::ptrdiff_t {
        if (++reads > 1) return -1;
        std::memcpy(into.data(), "one\ntw", 6);
        return 6;
    });
    EXPECT_EQ(reader.Next(), "one\n");
    EXPECT_FALSE(reader.Next());
    EXPECT_TRUE(reader.Failed());
    EXPECT_FALSE(reader.Next());
}

}  // namespace
}  // namespace lumtrak::platform

#include "stockindex/find_first_of.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <string>

namespace lumtrak::stockindex {
namespace {

TEST(FindFirstOf, FindsAPatternInAnyCaseOrGivesTheEnd) {
    EXPECT_EQ(FindFirstOf("the NaMe x", 0, "name"), 4u);
    EXPECT_EQ(FindFirstOf("name name", 1, "name"), 5u);
    EXPECT_EQ(FindFirstOf("no such word", 0, "name"), 12u);
    EXPECT_EQ(FindFirstOf("nam", 0, "name"), 3u);
    EXPECT_EQ(FindFirstOf("name", 9, "name"), 4u);
}

TEST(FindFirstOf, AByteThatBreaksAMatchIsNotTriedAgainAsAStart) {
    EXPECT_EQ(FindFirstOf("nname", 0, "name"), 5u);
    EXPECT_EQ(FindFirstOf("hhide", 0, "hide"), 5u);
    EXPECT_EQ(FindFirstOf("[[end]", 0, "[end]"), 6u);
    // The byte after the broken match starts afresh.
    EXPECT_EQ(FindFirstOf("nxname", 0, "name"), 2u);
}

TEST(FindFirstOf, TheFirstPatternToCompleteWinsAndTheOrderBreaksTies) {
    EXPECT_EQ(FindFirstOf("x [END] hide component", 0, "hide", "[end]", "component"), 2u);
    EXPECT_EQ(FindFirstOf("componenthide", 0, "hide", "[end]", "component"), 0u);
    // Both complete on the same byte: the earlier pattern is taken.
    EXPECT_EQ(FindFirstOf("abcd", 0, "cd", "bcd"), 2u);
    EXPECT_EQ(FindFirstOf("abcd", 0, "bcd", "cd"), 1u);
    // Each pattern keeps its own place: a byte that breaks one can go on another.
    EXPECT_EQ(FindFirstOf("hcomponent", 0, "hide", "", "component"), 1u);
}

TEST(FindFirstOf, AnEmptyPatternNeverMatches) {
    EXPECT_EQ(FindFirstOf("abc", 0, "", "", ""), 3u);
    EXPECT_EQ(FindFirstOf("", 0, "name"), 0u);
}

// The search passes over long stretches without a pattern's first two bytes a
// block at a time; what it finds must not depend on where the blocks fall.
TEST(FindFirstOf, FindsTheSameWhereverTheBlocksFall) {
    for (std::size_t offset = 0; offset < 140; ++offset) {
        const std::string filler(offset, '.');
        EXPECT_EQ(FindFirstOf(filler + "NaMe", 0, "name"), offset);
        EXPECT_EQ(FindFirstOf(filler + "nname" + std::string(80, '-'), 0, "name"), offset + 85);
        EXPECT_EQ(FindFirstOf(filler + "nnname", 0, "name"), offset + 2);
        EXPECT_EQ(FindFirstOf(filler + "nnnname", 0, "name"), offset + 7);
        // A pair that does not go on, then the pattern right after it; the byte
        // that broke a match does not start one.
        EXPECT_EQ(FindFirstOf(filler + "nanname", 0, "name"), offset + 3);
        EXPECT_EQ(FindFirstOf(filler + "[enx[end]" + std::string(70, 'x'), 0, "hide", "[end]"),
                  offset + 4);
        EXPECT_EQ(FindFirstOf(filler + "[en[end]" + std::string(70, 'x'), 0, "hide", "[end]"),
                  offset + 78);
        // '{' folds like '[', and 'N' like 'n': neither may hide a later match.
        EXPECT_EQ(FindFirstOf(filler + "{endNA[end]", 0, "hide", "[end]"), offset + 6);
        // Searching from inside the text: what lies before `from` is not seen.
        const std::string text = filler + "name" + std::string(100, ' ') + "name";
        EXPECT_EQ(FindFirstOf(text, offset + 1, "name"), offset + 104);
    }
}

TEST(FindFirstOf, PatternsOfOneByteAreFoundByteByByte) {
    EXPECT_EQ(FindFirstOf(std::string(100, 'x') + "Y", 0, "y"), 100u);
    EXPECT_EQ(FindFirstOf(std::string(100, 'x') + "nae", 0, "name", "e"), 102u);
}

// The patterns and texts the rebuild searches, with near misses everywhere,
// against the definition: a match starts wherever the pattern completes and was
// not broken on its way.
TEST(FindFirstOf, AgreesWithAByteByByteSearchOnMixedTexts) {
    const std::array<std::string_view, 8> pieces = {"na",  "nam", "n", "[en",
                                                    "hid", "com", "x", "\r\n"};
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t below) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % below;
    };
    for (int round = 0; round < 300; ++round) {
        std::string text;
        while (text.size() < 300)
            text += pieces[next(pieces.size())];
        text += round % 2 == 0 ? "NAME" : "component";
        for (std::size_t from : {std::size_t{0}, std::size_t{next(64)}}) {
            std::array<std::size_t, 2> matched{};
            const std::array<std::string_view, 2> patterns = {"name", "component"};
            std::size_t expected = text.size();
            for (std::size_t p = from; p < text.size() && expected == text.size(); ++p) {
                const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[p])));
                for (std::size_t k = 0; k < 2; ++k)
                    matched[k] = c == patterns[k][matched[k]] ? matched[k] + 1 : 0;
                for (std::size_t k = 0; k < 2 && expected == text.size(); ++k) {
                    if (matched[k] == patterns[k].size()) expected = p + 1 - patterns[k].size();
                }
            }
            EXPECT_EQ(FindFirstOf(text, from, "name", "component"), expected) << text;
        }
    }
}

}  // namespace
}  // namespace lumtrak::stockindex

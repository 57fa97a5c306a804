#include "stockindex/find_first_of.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lumtrak::stockindex

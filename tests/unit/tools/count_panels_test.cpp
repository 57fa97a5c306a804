#include "tools/count_panels.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtrak::tools {
namespace {

TEST(CountPanels, UntaggedPanelsCountInEveryQuadrantAndTagsInTheirTwo) {
    const std::string text =
        "fill 0 0 0 1 1 1 2 2 2 3 3 3\r\n"
        "fill 0 0 0 1 1 1 2 2 2 3 3 3 *red\r\n"
        "FILL 0 0 0 1 1 1 2 2 2 3 3 3\n"
        "fill 0 0 0 1 1 1 2 2 2 3 3 3 [Front]\r\n"
        "fill 0 0 0 1 1 1 2 2 2 3 3 3 [D3D]\r\n";
    const auto counted = CountPanels(text, {0, text.size()});
    EXPECT_EQ(counted.counts, (PanelCounts{4, 4, 3, 3, 5}));
    EXPECT_FALSE(counted.rewrite.replaces);
    EXPECT_FALSE(counted.rewrite.repaintsPreview);
    EXPECT_EQ(counted.rewrite.selectionAfter, (Selection{0, text.size()}));
}

TEST(CountPanels, EachNamedTagCountsInItsOwnQuadrants) {
    const std::string text =
        "fill [BACK]\nfill [left]\nfill [Right] x\nfill [Leftmost]\nfill [1,1,1,1]\n";
    EXPECT_EQ(CountPanels(text, {0, 0}).counts, (PanelCounts{1, 1, 2, 2, 5}));
}

TEST(CountPanels, OnlyFillCountsAndNoSelectionCountsTheWholeTextAndSelectsIt) {
    const std::string text = "rect 0 0 0\nline 0 0 0\n# refill\nfill 0 0 0";
    const auto counted = CountPanels(text, {12, 12});
    // The comment's "fill" counts; the last fill reaches the end of the range
    // before a line end or a tag, so only the total counts it.
    EXPECT_EQ(counted.counts, (PanelCounts{1, 1, 1, 1, 2}));
    EXPECT_EQ(counted.rewrite.selectionAfter, (Selection{0, text.size()}));
}

TEST(CountPanels, ASelectionCountsOnlyItsOwnPanels) {
    const std::string text = "fill a [Back]\nfill b [Front]\nfill c\n";
    const std::size_t second = text.find("fill b");
    EXPECT_EQ(CountPanels(text, {second, text.size()}).counts, (PanelCounts{2, 2, 1, 1, 2}));
    // A selection that ends before the tag counts the panel in the total only.
    EXPECT_EQ(CountPanels(text, {0, 7}).counts, (PanelCounts{0, 0, 0, 0, 1}));
}

}  // namespace
}  // namespace lumtrak::tools

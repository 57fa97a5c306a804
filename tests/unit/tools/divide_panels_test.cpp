#include "tools/divide_panels.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtrak::tools {
namespace {

std::string Divided(const std::string& text, const DivideParameters& parameters) {
    return ApplyRewrite(text, DividePanels(text, {0, text.size()}, parameters));
}

TEST(DividePanels, CutsAtTheDivisionValueAndBothHalvesKeepTheTail) {
    const DivideParameters atW40{DivideAxis::W, 40, 7, 9};
    EXPECT_EQ(Divided("\tfill 0/0/0 100/0/0 100/0/50 0/0/50 255/0/0 [Left]\r\n", atW40),
              "\tFill 0/0/0 40/0/0 40/0/50 0/0/50 255/0/0 [Left]\r\n"
              "Fill 40/0/0 100/0/0 100/0/50 40/0/50 255/0/0 [Left]\r\n");
    // Wholly on the low side: the high half lies flat in the division plane.
    EXPECT_EQ(Divided("FILL 0 0 0 0 10 0 0 10 20 0 0 20\n", {DivideAxis::H, 0, 0, 30}),
              "Fill 0/0/0 0/10/0 0/10/20 0/0/20 \r\n"
              "Fill 0/0/30 0/10/30 0/10/30 0/0/30 \n");
    EXPECT_EQ(Divided("fill -5/-5/1 5/5/1 5/-5/1 -5/5/1", {DivideAxis::L, 0, 0, 0}),
              "Fill -5/-5/1 5/0/1 5/-5/1 -5/0/1 \r\n"
              "Fill -5/0/1 5/5/1 5/0/1 -5/5/1 ");
}

TEST(DividePanels, OnlyFillIsDividedAndNoAxisWritesThePanelTwice) {
    const std::string text =
        "rect 0 0 0 100 0 0 100 0 50 0 0 50 1 2 3\r\n"
        "line 0 0 0 100 0 0\r\n"
        "fill 0 0 0 100 0 0 100 0 50 0 0 50 *red\r\n";
    EXPECT_EQ(Divided(text, {DivideAxis::None, 40, 40, 40}),
              "rect 0 0 0 100 0 0 100 0 50 0 0 50 1 2 3\r\n"
              "line 0 0 0 100 0 0\r\n"
              "Fill 0/0/0 100/0/0 100/0/50 0/0/50 *red\r\n"
              "Fill 0/0/0 100/0/0 100/0/50 0/0/50 *red\r\n");
}

TEST(DividePanels, APoundSignRightAfterThePointsStaysOnBothHalves) {
    EXPECT_EQ(Divided("fill 0/0/0 9/0/0 9/0/9 0/0/9\xA3\r\n", {DivideAxis::W, 5, 0, 0}),
              "Fill 0/0/0 5/0/0 5/0/9 0/0/9 \xA3\r\n"
              "Fill 5/0/0 9/0/0 9/0/9 5/0/9 \xA3\r\n");
    EXPECT_EQ(Divided("fill 0/0/0 9/0/0 9/0/9 0/0/9 \xA3 =\r\n", {DivideAxis::W, 5, 0, 0}),
              "Fill 0/0/0 5/0/0 5/0/9 0/0/9 \xA3 =\r\n"
              "Fill 5/0/0 9/0/0 9/0/9 5/0/9 \xA3 =\r\n");
}

TEST(DividePanels, ASelectionEndingInsideThePointsLosesNothingAfterIt) {
    const std::string text = "# a\r\nfill 0/0/0 9/0/0 9/0/9 0/0/9 *red\r\nnext";
    const std::size_t end = text.find("9/0/9");
    const auto result = DividePanels(text, {2, end}, {DivideAxis::W, 5, 0, 0});
    EXPECT_EQ(result.range, (Selection{2, end}));
    // The four points are read on past the end; the text after the end stays.
    EXPECT_EQ(ApplyRewrite(text, result),
              "# a\r\nFill 0/0/0 5/0/0 5/0/9 0/0/9 \r\n"
              "Fill 5/0/0 9/0/0 9/0/9 5/0/9 "
              "9/0/9 0/0/9 *red\r\nnext");
    EXPECT_EQ(result.selectionAfter.start, result.selectionAfter.end);
    EXPECT_EQ(result.selectionAfter.end, 2 + result.replacement.size());
    EXPECT_TRUE(result.repaintsPreview);
}

TEST(DividePanels, AFillCutShortByTheEndOfTheTextReadsZeros) {
    EXPECT_EQ(Divided("fill 20/20", {DivideAxis::W, 5, 0, 0}),
              "Fill 5/20/0 0/0/0 0/0/0 0/0/0 \r\nFill 20/20/0 5/0/0 5/0/0 5/0/0 ");
}

}  // namespace
}  // namespace lumtrak::tools

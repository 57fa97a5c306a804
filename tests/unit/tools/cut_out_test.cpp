#include "tools/cut_out.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtrak::tools {
namespace {

const platform::Message kCoPlaneMessage{"Lumtrak Stock Editor", "Can't identify co-plane"};

TEST(CutOut, FramesTheHoleWithFourBandsCarryingTheOuterTail) {
    // Outer panel 0..100 along, 0..50 high in the plane W = 0; the hole 30..60 by
    // 10..40, its corners in no particular order.
    const std::string text =
        "name Wall\r\n"
        "fill 0/0/0 0/100/0 0/100/50 0/0/50 255:0:0 [Left] # wall\r\n"
        "# the window\r\n"
        "FILL 0/60/40 0/30/10 0/30/40 0/60/10 9:9:9\r\n"
        "[end]\r\n";
    const std::size_t start = text.find("fill");
    const std::size_t end = text.find("[end]");
    const auto result = CutOut(text, {start, end});
    EXPECT_TRUE(result.messages.empty());
    EXPECT_TRUE(result.repaintsPreview);
    const std::string bands =
        "\tFill 0/0/0 0/100/0 0/100/10 0/0/10 255:0:0 [Left] # wall\r\n"
        "\tFill 0/0/40 0/100/40 0/100/50 0/0/50 255:0:0 [Left] # wall\r\n"
        "\tFill 0/0/10 0/30/10 0/30/40 0/0/40 255:0:0 [Left] # wall\r\n"
        "\tFill 0/60/10 0/100/10 0/100/40 0/60/40 255:0:0 [Left] # wall\r\n";
    EXPECT_EQ(ApplyRewrite(text, result), "name Wall\r\n" + bands + "[end]\r\n");
    EXPECT_EQ(result.selectionAfter, (Selection{start + bands.size(), start + bands.size()}));
}

TEST(CutOut, ThePlaneAxisIsTheFirstThatAllEightPointsShare) {
    // Plane L = 7: u is W, v is H.
    const std::string inL = "fill 0 7 0 10 7 0 10 7 10 0 7 10\nfill 4 7 4 6 7 4 6 7 6 4 7 6\n";
    EXPECT_EQ(CutOut(inL, {0, inL.size()}).replacement,
              "\tFill 0/7/0 10/7/0 10/7/4 0/7/4 \r\n"
              "\tFill 0/7/6 10/7/6 10/7/10 0/7/10 \r\n"
              "\tFill 0/7/4 4/7/4 4/7/6 0/7/6 \r\n"
              "\tFill 6/7/4 10/7/4 10/7/6 6/7/6 \r\n");
    // Plane H = -3: u is W, v is L.
    const std::string inH =
        "fill 0,0,-3 10,0,-3 10,10,-3 0,10,-3\nfill 4,4,-3 6,4,-3 6,6,-3 4,6,-3\n";
    EXPECT_EQ(CutOut(inH, {0, inH.size()}).replacement.substr(0, 36),
              "\tFill 0/0/-3 10/0/-3 10/4/-3 0/4/-3 ");
}

TEST(CutOut, PanelsInNoCommonPlaneShowTheMessageAndChangeNothing) {
    const std::string text = "fill 0/0/0 1/0/0 1/1/0 0/1/0\r\nfill 0/0/1 1/0/1 1/1/1 0/1/1\r\n";
    const auto result = CutOut(text, {0, text.size()});
    EXPECT_FALSE(result.replaces);
    EXPECT_EQ(ApplyRewrite(text, result), text);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], kCoPlaneMessage);
    EXPECT_EQ(result.selectionAfter, (Selection{0, text.size()}));
    EXPECT_TRUE(result.repaintsPreview);
}

TEST(CutOut, FewerThanTwoPanelsChangeNothingSilently) {
    for (const std::string text : {"", "rect 0 0 0 1 1 1\r\nfill 0 0 0 0 1 0 0 1 1 0 0 1\r\n",
                                   "fill 0 0 0 0 1 0 0 1 1 0 0 1 fill 0 0 0 0 0 0 0 0 0 0 0 0"}) {
        const auto result = CutOut(text, {0, text.size()});
        EXPECT_FALSE(result.replaces) << text;
        EXPECT_TRUE(result.messages.empty()) << text;
        EXPECT_TRUE(result.repaintsPreview) << text;
    }
}

TEST(CutOut, TheOuterTailEndsAtTheLineEndAndKeepsAPoundSign) {
    const std::string text =
        "fill 0/0/0 0/9/0 0/9/9 0/0/9\xA3 *red\nfill 0/3/3 0/6/3 0/6/6 0/3/6 *blue\n";
    const auto result = CutOut(text, {0, text.size()});
    EXPECT_EQ(result.replacement.substr(0, 38), "\tFill 0/0/0 0/9/0 0/9/3 0/0/3 \xA3 *red\r\n");
}

TEST(CutOut, ASelectionEndingInsideTheHoleLeavesTheRestOfItsLine) {
    const std::string text =
        "fill 0/0/0 0/9/0 0/9/9 0/0/9\r\nfill 0/3/3 0/6/3 0/6/6 0/3/6 *blue\r\n";
    const std::size_t end = text.find("0/6/6");
    const auto result = CutOut(text, {0, end});
    EXPECT_EQ(result.range, (Selection{0, end}));
    EXPECT_EQ(ApplyRewrite(text, result).substr(result.replacement.size()),
              "0/6/6 0/3/6 *blue\r\n");
}

}  // namespace
}  // namespace lumtrak::tools

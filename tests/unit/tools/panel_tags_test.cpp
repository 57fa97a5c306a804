#include "tools/panel_tags.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtrak::tools {
namespace {

std::string WithD3DOnly(const std::string& text) {
    return ApplyRewrite(text, SetD3DOnly(text, {0, text.size()}));
}

TEST(SetD3DOnly, TagGoesAfterColourAndTextureAndBeforeMarkersAndComments) {
    EXPECT_EQ(WithD3DOnly("fill 0/0/0 1/1/1 2/2/2 3/3/3 255:0:0 $\r\n"),
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3 255:0:0  [D3D] $\r\n");
    EXPECT_EQ(WithD3DOnly("rect 0 0 0 1 1 1 2 2 2 3 3 3 \"wood.bmp\" 1 2 3 # plank\n"),
              "Rect 0/0/0 1/1/1 2/2/2 3/3/3 \"wood.bmp\" 1 2 3  [D3D] # plank\n");
    EXPECT_EQ(WithD3DOnly("line 0 0 0 5 5 5 1/2/3\r\n"), "Line 0/0/0 5/5/5 1/2/3 [D3D] \r\n");
    EXPECT_EQ(WithD3DOnly("fill 0 0 0 0 0 0 0 0 0 0 0 0 = _x\r\n"),
              "Fill 0/0/0 0/0/0 0/0/0 0/0/0  [D3D] = _x\r\n");
}

TEST(SetD3DOnly, AnExistingTagIsReplaced) {
    EXPECT_EQ(WithD3DOnly("fill 0/0/0 1/1/1 2/2/2 3/3/3 255/0/0 [Left] *glass\r\n"),
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3 255/0/0  [D3D]  *glass\r\n");
    // A tag without its closing bracket runs to the line end, or to the end of
    // the text.
    EXPECT_EQ(WithD3DOnly("fill 0/0/0 1/1/1 2/2/2 3/3/3 [Left\r\nx"),
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [D3D] \r\nx");
    EXPECT_EQ(WithD3DOnly("fill 0/0/0 1/1/1 2/2/2 3/3/3 [Le"),
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [D3D] ");
}

TEST(SetD3DOnly, APoundSignAfterThePointsStaysAfterTheTag) {
    EXPECT_EQ(WithD3DOnly("fill 0/0/0 1/1/1 2/2/2 3/3/3\xA3\r\n"),
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [D3D] \xA3\r\n");
    EXPECT_EQ(WithD3DOnly("fill 0/0/0 1/1/1 2/2/2 3/3/3 9/9/9 \xA3\r\n"),
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3 9/9/9  [D3D] \xA3\r\n");
}

TEST(SetD3DOnly, NoSelectionWorksOnTheWholeTextOnlyWithTheCaretAtTheStart) {
    const std::string text = "fill 0 0 0 1 1 1 2 2 2 3 3 3\r\nline 0 0 0 1 1 1\r\n";
    const auto whole = SetD3DOnly(text, {0, 0});
    EXPECT_EQ(whole.range, (Selection{0, text.size()}));
    EXPECT_EQ(whole.replacement,
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [D3D] \r\nLine 0/0/0 1/1/1  [D3D] \r\n");
    EXPECT_EQ(whole.selectionAfter,
              (Selection{whole.replacement.size(), whole.replacement.size()}));
    EXPECT_TRUE(whole.repaintsPreview);

    const auto elsewhere = SetD3DOnly(text, {5, 5});
    EXPECT_EQ(ApplyRewrite(text, elsewhere), text);
    EXPECT_EQ(elsewhere.selectionAfter, (Selection{5, 5}));
}

TEST(SetD3DOnly, ASelectionEndingInsideAListReadsTheWholeListAndKeepsTheRest) {
    const std::string text = "fill 0/0/0 1/1/1 2/2/2 3/3/3 *red [Back]\r\nnext";
    const std::size_t end = text.find("2/2/2");
    const auto result = SetD3DOnly(text, {0, end});
    EXPECT_EQ(ApplyRewrite(text, result),
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [D3D] 2/2/2 3/3/3 *red [Back]\r\nnext");
}

std::string WithQuadrants(const std::string& text) {
    return ApplyRewrite(text, AutoQ(text, {0, 0}));
}

TEST(AutoQ, ThePanelsPointsAgainstTheMiddleOfTheLengthChooseTheTag) {
    const std::string length = "length 2000\r\n";  // half of 200 is 100
    EXPECT_EQ(WithQuadrants(length + "fill -50/1010/0 50/1999/0 50/1500/9 -50/1010/9 [Left]\r\n"),
              length + "Fill -50/1010/0 50/1999/0 50/1500/9 -50/1010/9  [Back] \r\n");
    EXPECT_EQ(WithQuadrants(length + "fill -50/0/0 50/999/0 50/999/9 -50/0/9\r\n"),
              length + "Fill -50/0/0 50/999/0 50/999/9 -50/0/9  [Front] \r\n");
    EXPECT_EQ(WithQuadrants(length + "fill -50/0/0 50/1999/0 50/1999/9 -50/0/9 [Back] *red\r\n"),
              length + "Fill -50/0/0 50/1999/0 50/1999/9 -50/0/9  *red\r\n");
    EXPECT_EQ(WithQuadrants(length + "line -10 0 0 -90 1999 9\r\nline 10 0 0 90 1999 9\r\n"),
              length + "Line -10/0/0 -90/1999/9  [Left] \r\nLine 10/0/0 90/1999/9  [Right] \r\n");
}

TEST(AutoQ, TheTenthsAreTruncatedTowardZero) {
    // x = -5 gives 0, so not every point lies left; y = 1009 gives 100, not above half.
    const std::string length = "Length\r\n 2000 ";
    EXPECT_EQ(WithQuadrants(length + "fill -5/1009/0 -20/2000/0 -20/2000/9 -5/1009/9\n"),
              length + "Fill -5/1009/0 -20/2000/0 -20/2000/9 -5/1009/9 \n");
}

TEST(AutoQ, TheFirstLengthOfTheWholeTextCountsAndWithoutOneTheMiddleIsZero) {
    EXPECT_EQ(WithQuadrants("fill 0/-10/0 0/-10/0 0/-19/0 0/-10/0\n"),
              "Fill 0/-10/0 0/-10/0 0/-19/0 0/-10/0  [Front] \n");
    const std::string text = "fill 0/35/0 0/35/0 0/35/0 0/35/0\nwavelength 40\nlength 2000\n";
    const std::size_t end = text.find('\n') + 1;
    EXPECT_EQ(AutoQ(text, {0, end}).replacement, "Fill 0/35/0 0/35/0 0/35/0 0/35/0  [Back] \n");
}

TEST(AutoQ, NoSelectionAnywhereWorksOnTheWholeText) {
    const std::string text = "fill 0/10/0 0/10/0 0/10/0 0/10/0\n";
    const auto result = AutoQ(text, {7, 7});
    EXPECT_EQ(result.range, (Selection{0, text.size()}));
    EXPECT_EQ(result.replacement, "Fill 0/10/0 0/10/0 0/10/0 0/10/0  [Back] \n");
}

}  // namespace
}  // namespace lumtrak::tools

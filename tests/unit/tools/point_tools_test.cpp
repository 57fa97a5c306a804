#include <gtest/gtest.h>

#include "tools/point_conversions.h"
#include "tools/rotate_vertices.h"
#include "unit/tools/tool_test_support.h"

namespace lumtrak::tools {
namespace {

template <class Tool>
std::string Applied(std::string_view text, Tool tool) {
    return After(text, tool(text, All(text)));
}

TEST(UnitConversion, ChangesOnlyPanelPointsAndLosesTheRemainderOneWay) {
    const std::string text =
        "metric\r\nfill 7 -7 1 2 3 4 5 6 7 8 9 10\r\nvertex 7 7 7\r\nwheel 3 3 3 1 1 x\r\n";
    const std::string metric = Applied(text, ImperialToMetric);
    EXPECT_EQ(metric,
              "metric\r\nFill 21/-21/3 6/9/12 15/18/21 24/27/30 \r\nvertex 7 7 7\r\n"
              "wheel 3 3 3 1 1 x\r\n");
    EXPECT_EQ(Applied(metric, MetricToImperial),
              "metric\r\nFill 7/-7/1 2/3/4 5/6/7 8/9/10 \r\nvertex 7 7 7\r\nwheel 3 3 3 1 1 x\r\n");

    const std::string line = "line 7 -7 0 1000000000 0 0";
    const std::string imperial = Applied(line, MetricToImperial);
    EXPECT_EQ(imperial, "Line 2/-2/0 333333333/0/0 ");
    EXPECT_EQ(Applied(imperial, ImperialToMetric), "Line 6/-6/0 999999999/0/0 ");
    EXPECT_EQ(Applied(line, ImperialToMetric), "Line 21/-21/0 -1294967296/0/0 ");
}

TEST(Rotate90, LeftFourTimesOrLeftThenRightRestoresThePoints) {
    const std::string text = "rect 1 2 3 -4 5 6 7 -8 9 0 0 0 [Left]\r\n";
    const std::string left = Applied(text, Rotate90Left);
    EXPECT_EQ(left, "Rect -2/1/3 -5/-4/6 8/7/9 0/0/0 [Left]\r\n");
    EXPECT_EQ(Applied(text, Rotate90Right), "Rect 2/-1/3 5/4/6 -8/-7/9 0/0/0 [Left]\r\n");
    EXPECT_EQ(Applied(left, Rotate90Right), "Rect 1/2/3 -4/5/6 7/-8/9 0/0/0 [Left]\r\n");
    std::string turned = text;
    for (int i = 0; i < 4; ++i)
        turned = Applied(turned, Rotate90Left);
    EXPECT_EQ(turned, "Rect 1/2/3 -4/5/6 7/-8/9 0/0/0 [Left]\r\n");
}

TEST(RotatePanelVertices, TurnsTheOrderAndKeepsTheResultSelected) {
    const std::string text = "x\r\nfill 1 1 1 2 2 2 3 3 3 4 4 4 red\r\nline 1 1 1 2 2 2 0\r\ny";
    const Selection lines{3, text.size() - 1};
    const auto left = RotatePanelVerticesLeft(text, lines);
    const std::string once = After(text, left);
    EXPECT_EQ(once, "x\r\nFill 4/4/4 1/1/1 2/2/2 3/3/3 red\r\nLine 2/2/2 1/1/1 0\r\ny");
    EXPECT_TRUE(left.reselects);
    EXPECT_EQ(left.selectionAfter, (Selection{3, 3 + left.replacement.size()}));

    // Repeated at once on the selection left behind.
    const auto again = RotatePanelVerticesLeft(once, left.selectionAfter);
    EXPECT_EQ(After(once, again),
              "x\r\nFill 3/3/3 4/4/4 1/1/1 2/2/2 red\r\nLine 1/1/1 2/2/2 0\r\ny");

    EXPECT_EQ(After(text, RotatePanelVerticesRight(text, lines)),
              "x\r\nFill 2/2/2 3/3/3 4/4/4 1/1/1 red\r\nLine 2/2/2 1/1/1 0\r\ny");
}

}  // namespace
}  // namespace lumtrak::tools

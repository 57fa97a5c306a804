#include "tools/matrix_transformation.h"

#include <gtest/gtest.h>

#include "tools/point_conversions.h"
#include "unit/tools/tool_test_support.h"

namespace lumtrak::tools {
namespace {

std::string Transformed(std::string_view text, const TransformMatrix& matrix) {
    return After(text, MatrixTransformation(text, All(text), matrix));
}

TEST(MatrixTransformation, TheIdentityOnlyNormalises) {
    const TransformMatrix identity{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}};
    EXPECT_EQ(Transformed("fill 1 2 3 4 5 6 7 8 9 -1 -2 -3 red\r\nvertex 1 2 3\r\n", identity),
              "Fill 1/2/3 4/5/6 7/8/9 -1/-2/-3 red\r\nvertex 1 2 3\r\n");
}

TEST(MatrixTransformation, AQuarterTurnMatrixMatchesRotate90Left) {
    const std::string text = "rect 1 2 3 -4 5 6 7 -8 9 10 20 30\r\nline 1 0 0 0 1 0\r\n";
    const TransformMatrix turn{{0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0}};
    EXPECT_EQ(Transformed(text, turn), After(text, Rotate90Left(text, All(text))));
}

TEST(MatrixTransformation, SinglePrecisionValuesTruncateAtExactProducts) {
    auto scaledW = [](float m11, std::string_view x) {
        return Transformed("line " + std::string(x) + " 0 0 1 0 0", {{m11}});
    };
    EXPECT_EQ(scaledW(0.7f, "10"), "Line 6/0/0 0/0/0 ");  // 0.699999988 * 10
    EXPECT_EQ(scaledW(0.1f, "10"), "Line 1/0/0 0/0/0 ");
    EXPECT_EQ(scaledW(1.1f, "10"), "Line 11/0/0 1/0/0 ");
    EXPECT_EQ(scaledW(0.5f, "-3"), "Line -1/0/0 0/0/0 ");
    // Constants are added after the W product, and results wrap at 32 bits.
    const TransformMatrix shiftAndScale{{2, 0, 0, 0.75f, 0, 1, 0, -0.5f, 0, 0, 0, 3e9f}};
    EXPECT_EQ(Transformed("line 1 1 1 -1 0 0", shiftAndScale),
              "Line 2/0/-1294967296 -1/0/-1294967296 ");
}

TEST(MatrixTransformation, EachRowTakesItsOwnColumnsWhateverTheNumbersLengths) {
    // Rows with different coefficients, so that an axis computed with another
    // row's values, or a number cut short or run on, shows.
    const TransformMatrix matrix{{1, 0, 0, 5, 0, -3, 0, 0, 0, 0, 0.5f, -7}};
    EXPECT_EQ(Transformed("fill 0 0 0 -9 10 99 123456 -1000 2000 -45 6000 300 x", matrix),
              "Fill 5/0/-7 -4/-30/42 123461/3000/993 -40/-18000/143 x");
    EXPECT_EQ(Transformed("line 1 2 3 1000000000 700000000 -9", matrix),
              "Line 6/-6/-5 1000000005/-2100000000/-11 ");
}

TEST(MatrixTransformation, AnUntouchedMatrixFlattensEveryPoint) {
    EXPECT_EQ(Transformed("fill 1 2 3 4 5 6 7 8 9 10 11 12", {}), "Fill 0/0/0 0/0/0 0/0/0 0/0/0 ");
}

TEST(MatrixTransformation, AnUnfinishedListAtTheSelectionEndStaysUnchanged) {
    const std::string text = "line 1 1 1 2 2 2\r\n";
    const auto result = MatrixTransformation(text, {0, 9}, {});
    // The point that crosses the end is read whole; the text after the selection stays.
    EXPECT_EQ(After(text, result), "Line 1/1/1 1 2 2 2\r\n");
}

}  // namespace
}  // namespace lumtrak::tools

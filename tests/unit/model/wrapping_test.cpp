#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/wrapping.h"

namespace lumtrak::model {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(Wrapping, SumsDifferencesProductsAndNegationsWrapAt32Bits) {
    EXPECT_EQ(WrapAdd(kMax, 1), kMin);
    EXPECT_EQ(WrapSubtract(kMin, 1), kMax);
    EXPECT_EQ(WrapMultiply(65536, 65536), 0);
    EXPECT_EQ(WrapMultiply(-3, 7), -21);
    EXPECT_EQ(WrapNegate(kMin), kMin);
    EXPECT_EQ(WrapAbs(kMin), kMin);
    EXPECT_EQ(WrapAbs(-5), 5);
}

TEST(Wrapping, DivisionTruncatesTowardZeroAndTheOneOverflowWraps) {
    EXPECT_EQ(WrapDivide(-7, 2), -3);
    EXPECT_EQ(WrapDivide(7, -2), -3);
    EXPECT_EQ(WrapDivide(kMin, -1), kMin);
    EXPECT_EQ(WrapDivide(5, -1), -5);
}

TEST(Wrapping, A16BitFieldKeepsTheLow16Bits) {
    EXPECT_EQ(Low16(40000), 40000 - 65536);
    EXPECT_EQ(Low16(-32769), 32767);
    EXPECT_EQ(Low16(0x12345), 0x2345);
}

TEST(TruncateToInt32, TruncatesTowardZeroAndWrapsBeyondThe32BitRange) {
    EXPECT_EQ(TruncateToInt32(6.9999998), 6);
    EXPECT_EQ(TruncateToInt32(-1.5), -1);
    EXPECT_EQ(TruncateToInt32(-0.9), 0);
    EXPECT_EQ(TruncateToInt32(4294967301.0), 5);  // 2^32 + 5 wraps to 5
    EXPECT_EQ(TruncateToInt32(2147483648.0), INT32_MIN);
    EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(TruncateToInt32(1e300), 0);
}

}  // namespace
}  // namespace lumtrak::model

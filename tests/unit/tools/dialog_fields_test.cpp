#include "tools/dialog_fields.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace lumtrak::tools {
namespace {

TEST(DialogFields, TextFieldsTakeTheLeadingNumberAndZeroForAnythingElse) {
    EXPECT_EQ(TextFieldValue("  -12abc"), -12);
    EXPECT_EQ(TextFieldValue("+7"), 7);
    EXPECT_EQ(TextFieldValue("abc"), 0);
    EXPECT_EQ(TextFieldValue(""), 0);
    EXPECT_EQ(TextFieldValue("1.9"), 1);
}

TEST(DialogFields, IntegerFieldsAcceptOneWholeNumberWithinThirtyTwoBits) {
    EXPECT_EQ(IntegerFieldValue(" 42 "), 42);
    EXPECT_EQ(IntegerFieldValue("-0"), 0);
    EXPECT_EQ(IntegerFieldValue("+3"), 3);
    EXPECT_EQ(IntegerFieldValue("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(IntegerFieldValue("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* refused : {"", "  ", "-", "+", "1.5", "12a", "a12", "1 2", "--1", "2147483648",
                                "-2147483649", "99999999999999999999999", "0x10"}) {
        EXPECT_EQ(IntegerFieldValue(refused), std::nullopt) << refused;
    }
}

TEST(DialogFields, FloatFieldsAcceptDecimalsAndExponentsInSinglePrecisionRange) {
    EXPECT_EQ(FloatFieldValue("0.7"), 0.7f);
    EXPECT_EQ(FloatFieldValue("0"), 0.0f);
    EXPECT_EQ(FloatFieldValue("-7"), -7.0f);
    EXPECT_EQ(FloatFieldValue(" -1.5e2 "), -150.0f);
    EXPECT_EQ(FloatFieldValue(".5"), 0.5f);
    EXPECT_EQ(FloatFieldValue("3."), 3.0f);
    EXPECT_EQ(FloatFieldValue("+2E+1"), 20.0f);
    EXPECT_EQ(FloatFieldValue("1e-400"), 0.0f);  // too small reads as zero
    EXPECT_EQ(FloatFieldValue("0.0000001e-330"), 0.0f);
    EXPECT_EQ(FloatFieldValue("0." + std::string(400, '0') + "1"), 0.0f);
    for (const char* refused : {"", ".", "-", "e5", "1e", "1e+", "1,5", "0.7x", "inf", "nan",
                                "0x1p3", "1e39", "-1e39", "1e400"}) {
        EXPECT_EQ(FloatFieldValue(refused), std::nullopt) << refused;
    }
    EXPECT_EQ(FloatFieldValue("1" + std::string(400, '0')), std::nullopt);
}

TEST(DialogFields, FloatFieldsShowSixSignificantDigits) {
    EXPECT_EQ(FloatFieldText(0.0f), "0");
    EXPECT_EQ(FloatFieldText(0.7f), "0.7");
    EXPECT_EQ(FloatFieldText(-1.5f), "-1.5");
    EXPECT_EQ(FloatFieldText(0.1234567f), "0.123457");
    EXPECT_EQ(FloatFieldText(12345678.0f), "1.23457e+07");
    // What a field shows reads back as the value it holds, for values that
    // six digits can carry.
    EXPECT_EQ(FloatFieldValue(FloatFieldText(1.1f)), 1.1f);
}

}  // namespace
}  // namespace lumtrak::tools

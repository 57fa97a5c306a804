#include "preview3d/number_label.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace lumtrak::preview3d {
namespace {

// What the C library makes of a format with one integer, for formats written
// here in the test.
std::string Printf(const char* format, std::int32_t number) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, number);
    return buffer;
}

TEST(NumberLabel, FormatsOneIntegerConversionAsTheCLibraryDoes) {
    EXPECT_EQ(FormatNumberLabel("D%05d", 47), "D00047");
    EXPECT_EQ(FormatNumberLabel("D%d", 40122), "D40122");
    const char* formats[] = {
        "%d",    "%i",    "%u",     "%x",     "%X",    "%o",    "%+d",   "% d",   "%-6d|",
        "%06d",  "%.3d",  "%08.3d", "%#x",    "%#X",   "%#o",   "%#.0o", "%.0d",  "%+.0d",
        "%-+8i", "%#10x", "%010u",  "No %d.", "%% %d", "%5.5d", "%-05d", "% 07d", "%#08x",
    };
    for (const char* format : formats) {
        for (std::int32_t number : {0, 7, 47, -47, 123456, INT32_MIN, INT32_MAX}) {
            EXPECT_EQ(FormatNumberLabel(format, number), Printf(format, number))
                << format << " with " << number;
        }
    }
    EXPECT_EQ(FormatNumberLabel("[%c]", 'A'), "[A]");
    EXPECT_EQ(FormatNumberLabel("%3c", 'z'), "  z");
    EXPECT_EQ(FormatNumberLabel("%c", 0x141), "A");  // the low byte
}

TEST(NumberLabel, WordsThatWouldReadAnotherValueAreShownAsWritten) {
    for (const char* word : {"%s", "%d%d", "%n", "%*d", "%.*d", "%ld", "%f", "%p", "Loco", "100%%",
                             "%", "D%0", "%99999d", "%.99999d"}) {
        EXPECT_EQ(FormatNumberLabel(word, 5), word);
    }
}

TEST(NumberLabel, AZeroCharacterEndsTheLabel) {
    EXPECT_EQ(FormatNumberLabel("ab%ccd", 0), "ab");
}

}  // namespace
}  // namespace lumtrak::preview3d

#include "platform/windows1252.h"

#include <gtest/gtest.h>

namespace lumtrak::platform {
namespace {

TEST(Windows1252, DefinitionBytesBecomeUtf8Text) {
    EXPECT_EQ(Windows1252ToUtf8("Class 40"), "Class 40");
    // The pound sign, the euro sign and an undefined byte, each a character.
    EXPECT_EQ(Windows1252ToUtf8("\xA3\x80\x81\xFF"), "\u00A3\u20AC\u0081\u00FF");
    EXPECT_EQ(Windows1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace lumtrak::platform

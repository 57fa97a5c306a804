#include "model/line_ends.h"

#include <gtest/gtest.h>

namespace lumtrak::model {
namespace {

TEST(LineEndForNewLines, FollowsTheFirstLineEndAndDefaultsToCrLf) {
    EXPECT_EQ(LineEndForNewLines(""), LineEnd::CrLf);
    EXPECT_EQ(LineEndForNewLines("name loco"), LineEnd::CrLf);
    EXPECT_EQ(LineEndForNewLines("a\r\nb\nc\r"), LineEnd::CrLf);
    EXPECT_EQ(LineEndForNewLines("a\nb\r\n"), LineEnd::Lf);
    EXPECT_EQ(LineEndForNewLines("a\rb\r\n"), LineEnd::Cr);
    EXPECT_EQ(LineEndForNewLines("a\r"), LineEnd::Cr);
    EXPECT_EQ(LineEndForNewLines(std::string_view("\0\x80\n", 3)), LineEnd::Lf);
}

}  // namespace
}  // namespace lumtrak::model

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

TEST(WithLineEnds, WritesEveryKindOfLineEndTheSameWay) {
    const std::string_view mixed("a\r\nb\nc\rd\n\re\0\r", 13);
    EXPECT_EQ(WithLineEnds(mixed, LineEnd::CrLf),
              std::string("a\r\nb\r\nc\r\nd\r\n\r\ne\0\r\n", 18));
    EXPECT_EQ(WithLineEnds(mixed, LineEnd::Lf), std::string("a\nb\nc\nd\n\ne\0\n", 12));
    EXPECT_EQ(WithLineEnds(mixed, LineEnd::Cr), std::string("a\rb\rc\rd\r\re\0\r", 12));
    EXPECT_EQ(WithLineEnds("", LineEnd::CrLf), "");
}

}  // namespace
}  // namespace lumtrak::model

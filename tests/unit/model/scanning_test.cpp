#include "model/scanning.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/characters.h"

namespace lumtrak::model {
namespace {

// Reads every value of a line the way the statement readers do: read, step.
std::vector<int> ReadValues(std::string_view bytes, int count) {
    const DefinitionText text(bytes);
    Cursor cursor = 0;
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(ReadInteger(text, cursor));
        SkipField(text, cursor);
    }
    return values;
}

TEST(SkipField, AnySeparatorOrBlankRunSeparatesFields) {
    using V = std::vector<int>;
    EXPECT_EQ(ReadValues("10/20/30", 3), (V{10, 20, 30}));
    EXPECT_EQ(ReadValues("10,20,30", 3), (V{10, 20, 30}));
    EXPECT_EQ(ReadValues("10 \t 20   30", 3), (V{10, 20, 30}));
    EXPECT_EQ(ReadValues("10:20>30&40", 4), (V{10, 20, 30, 40}));
    EXPECT_EQ(ReadValues("10, 20", 2), (V{10, 20}));
    EXPECT_EQ(ReadValues("10,,30", 3), (V{10, 0, 30}));
    EXPECT_EQ(ReadValues("rect 1.5 2 3", 5), (V{0, 1, 5, 2, 3}));
    EXPECT_EQ(ReadValues("12\xE9"
                         "34 5",
                         3),
              (V{12, 34, 5}));
    EXPECT_EQ(ReadValues("-7 +8", 2), (V{-7, 8}));
}

TEST(SkipField, StopsAtTheLineEndAndStaysThere) {
    const DefinitionText text("10 20\r\nfill");
    Cursor cursor = 3;
    SkipField(text, cursor);
    EXPECT_EQ(cursor, 5u);
    SkipField(text, cursor);
    SkipField(text, cursor);
    EXPECT_EQ(cursor, 5u);
    // A read at the line end converts what follows it.
    EXPECT_EQ(ReadInteger(DefinitionText("\r\n42"), 0), 42);
}

TEST(SkipField, BlanksAfterTheDelimiterStopAtALineEnd) {
    const DefinitionText text("10   \n20");
    Cursor cursor = 0;
    SkipField(text, cursor);
    EXPECT_EQ(cursor, 5u);
}

TEST(SkipField, AFieldEndedByTheEndOfTheTextLeavesTheCursorOnePast) {
    const DefinitionText text("10 20");
    Cursor cursor = 3;
    SkipField(text, cursor);
    EXPECT_EQ(cursor, text.End() + 1);
    EXPECT_EQ(ReadInteger(text, cursor), 0);
    SkipField(text, cursor);  // nothing beyond the end is read
    EXPECT_EQ(cursor, text.End() + 2);
}

TEST(SkipFieldKeepDots, DotsAndAmpersandsBelongToTheField) {
    const DefinitionText text("1.5&x,7");
    Cursor cursor = 0;
    SkipFieldKeepDots(text, cursor);
    EXPECT_EQ(cursor, 6u);
    Cursor plain = 0;
    SkipField(text, plain);
    EXPECT_EQ(plain, 2u);
}

TEST(ReadInteger, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ReadInteger(DefinitionText("99999999999"), 0), 2147483647);
    EXPECT_EQ(ReadInteger(DefinitionText("-99999999999"), 0), -2147483647 - 1);
    EXPECT_EQ(ReadInteger(DefinitionText("x12"), 0), 0);
}

SideMask TagOf(std::string_view bytes) {
    SideMask mask{{9, 9, 9, 9}};
    Cursor cursor = 0;
    ReadSideTag(DefinitionText(bytes), cursor, mask);
    return mask;
}

TEST(ReadSideTag, NamesSetTwoNeighbouringEntries) {
    const SideMask left{{0, 1, 1, 0}};
    EXPECT_EQ(TagOf("[LEFT]"), left);
    EXPECT_EQ(TagOf("[left]"), left);
    EXPECT_EQ(TagOf("[Leftmost]"), left);
    EXPECT_EQ(TagOf("[Front]"), (SideMask{{0, 0, 1, 1}}));
    EXPECT_EQ(TagOf("[right]"), (SideMask{{1, 0, 0, 1}}));
    EXPECT_EQ(TagOf("[BACK]"), (SideMask{{1, 1, 0, 0}}));
    EXPECT_EQ(TagOf("[D3D]"), (SideMask{{0, 0, 0, 0}}));
}

TEST(ReadSideTag, OtherTagsAreFourValues) {
    EXPECT_EQ(TagOf("[1,0,0,1]"), (SideMask{{1, 0, 0, 1}}));
    EXPECT_EQ(TagOf("[x]"), (SideMask{{0, 0, 0, 0}}));
    EXPECT_EQ(TagOf("[1,1"), (SideMask{{1, 1, 0, 0}}));  // cut off by the end of the text
}

TEST(ReadSideTag, LeavesTheCursorOnTheNameOrTheFourthValue) {
    SideMask mask;
    Cursor cursor = 0;
    ReadSideTag(DefinitionText("[Left]"), cursor, mask);
    EXPECT_EQ(cursor, 1u);
    cursor = 0;
    ReadSideTag(DefinitionText("[1,0,0,1]"), cursor, mask);
    EXPECT_EQ(cursor, 7u);
}

TEST(ExchangeSides, TurnsTagsRoundAndBack) {
    SideMask mask = TagOf("[Left]");
    ExchangeSides(mask);
    EXPECT_EQ(mask, TagOf("[Right]"));
    ExchangeSides(mask);
    EXPECT_EQ(mask, TagOf("[Left]"));
    mask = TagOf("[Front]");
    ExchangeSides(mask);
    EXPECT_EQ(mask, TagOf("[Back]"));
}

}  // namespace
}  // namespace lumtrak::model

#include "tools/shift.h"

#include <gtest/gtest.h>

#include "unit/tools/tool_test_support.h"

namespace lumtrak::tools {
namespace {

TEST(Shift, ByNothingNormalisesKeywordsLineEndsAndSeparators) {
    const std::string text =
        "  fill 1 2 3 4 5 6 7 8 9 10 11 12 red  \r\n"
        "\tvertex 1 2 3\t\r\n"
        "motion1 1 2 3 Arm\r\n"
        "motion2 1 2 3 4 5 6 Door\r\n"
        "include 0 0 0 Bogie [Left]\r\n"
        "other text \t \n";
    const auto result = Shift(text, All(text), {});
    EXPECT_EQ(After(text, result),
              "  Fill 1/2/3 4/5/6 7/8/9 10/11/12 red\r\n"
              "\tVertex 1 2 3\r\n"
              "Motion1 1/2/3\tArm\r\n"
              "Motion2 1/2/3\t4/5/6 Door\r\n"
              "Include 0/0/0\tBogie [Left]\r\n"
              "other text\n");
    EXPECT_EQ(result.selectionAfter.start, result.selectionAfter.end);
    EXPECT_EQ(result.selectionAfter.end, result.replacement.size());
    EXPECT_FALSE(result.reselects);
    EXPECT_TRUE(result.repaintsPreview);
}

TEST(Shift, MovesEveryStatementByTheOffsets) {
    const std::string text =
        "fill 0/0/0 100/0/0 100/0/50 0/0/50 255/0/0 [Left]\r\n"
        "line 1 1 1 2 2 2 0 0 0 0 0 0 9 9 9 10 0 0\r\n"
        "wheel 0/100/50 30/2 Bogie\r\n"
        "motion2 1 1 1 7 7 7 Door\r\n"
        "vertex 1 1 1 0/0/0\r\n";
    const auto result = Shift(text, All(text), {{10, 20, 30}});
    EXPECT_EQ(After(text, result),
              "Fill 10/20/30 110/20/30 110/20/80 10/20/80 255/0/0 [Left]\r\n"
              "Line 11/21/31 12/22/32 0 0 0 0 0 0 9 9 9 10 0 0\r\n"
              "Wheel 10/120/80\t30/2 Bogie\r\n"
              "Motion2 11/21/31\t7/7/7 Door\r\n"
              "Vertex 11 21 31 0/0/0\r\n");
}

TEST(Shift, LeaveOriginalWithRepeatAddsShiftedCopiesAfterTheSelectedLines) {
    const std::string lines = "fill 0 0 0 1 0 0 1 0 1 0 0 1 9/9/9\r\nvertex 5 5 5\r\n";
    const std::string text = "before\r\n" + lines + "after\r\n";
    ShiftParameters parameters{{1, 10, 100}, true, true, 3};
    const auto result = Shift(text, {8, 8 + lines.size()}, parameters);
    const std::string expected =
        "before\r\n" + lines +
        "\r\n"
        "Fill 1/10/100 2/10/100 2/10/101 1/10/101 9/9/9\r\nVertex 6 15 105\r\n"
        "Fill 2/20/200 3/20/200 3/20/201 2/20/201 9/9/9\r\nVertex 7 25 205\r\n"
        "Fill 3/30/300 4/30/300 4/30/301 3/30/301 9/9/9\r\nVertex 8 35 305\r\n"
        "after\r\n";
    EXPECT_EQ(After(text, result), expected);
    EXPECT_EQ(result.selectionAfter.start, expected.size() - 7);  // before "after"
}

TEST(Shift, LaterPassesReadBackWhatTheEarlierOnesWrote) {
    // Without "Leave original" the second pass reads the first pass's result at
    // the selection's offsets and length, and inserts its own after it.
    const std::string text = "vertex 1 2 3\r\nvertex 7 7 7\r\n";
    const auto result = Shift(text, {0, 12}, {{10, 0, 0}, false, true, 2});
    EXPECT_EQ(After(text, result), "Vertex 11 2 3 Vertex 31 2 3 \r\nvertex 7 7 7\r\n");
}

TEST(Shift, EachRepeatedPassIsOneShiftOfWhatThePassesBeforeItLeft) {
    // Pass k is a single shift by k times the offset of the text at the
    // selection as the passes before it left it; a selection that ends inside
    // a point list reads on into the text after it.
    const std::string text =
        "name x\r\nfill 1 2 3 4 5 6\r\nvertex 1 1 1\r\n 7 8 9 10 11 12\r\n[end]\r\n";
    for (const Selection selection : {Selection{8, 40}, Selection{8, 20}, Selection{8, 27}}) {
        for (const bool leaveOriginal : {false, true}) {
            const Point offset{1, -2, 3};
            const std::size_t length = selection.end - selection.start;
            const std::string following = text.substr(selection.end);
            std::string expected = Shift(text, selection, {offset, leaveOriginal}).replacement;
            for (std::int32_t k = 2; k <= 5; ++k) {
                const std::string current = expected + following;
                expected += Shift(current, {0, std::min(length, current.size())},
                                  {{k * offset.x, k * offset.y, k * offset.z}})
                                .replacement;
            }
            const auto repeated = Shift(text, selection, {offset, leaveOriginal, true, 5});
            EXPECT_EQ(repeated.replacement, expected) << selection.end << leaveOriginal;
            EXPECT_EQ(repeated.range, selection);
        }
    }
}

TEST(Shift, RepeatedPassesNeverReadPastTheEndOfTheText) {
    const std::string text = "fill 1 2";
    const auto result = Shift(text, All(text), {{1, 1, 1}, false, true, 3});
    // Pass 1 reads 1, 2 and (past the end) 0; the later passes read "Fill 2/3/1" back.
    EXPECT_EQ(After(text, result), "Fill 2/3/1 Fill 4/5/3 Fill 5/6/4 ");
}

TEST(Shift, NoPassOrAnEmptySelection) {
    const std::string text = "fill 1 2 3\r\n";
    const auto none = Shift(text, All(text), {{5, 5, 5}, false, true, 0});
    EXPECT_FALSE(none.replaces);
    EXPECT_TRUE(none.repaintsPreview);
    EXPECT_EQ(none.selectionAfter, All(text));

    const auto empty = Shift(text, {4, 4}, {{5, 5, 5}, true, true, 3});
    EXPECT_EQ(After(text, empty), "fill\r\n 1 2 3\r\n");
    EXPECT_EQ(empty.selectionAfter, (Selection{6, 6}));
}

TEST(Shift, KeepsNamesThatBeginWithAByteAbove0x7F) {
    const std::string text = "include 0 0 0 \xDCrdingen\r\nfill 0/0/0 1/1/1 2/2/2 9/9/9 \xA3\r\n";
    EXPECT_EQ(After(text, Shift(text, All(text), {{1, 0, 0}})),
              "Include 1/0/0\t\xDCrdingen\r\nFill 1/0/0 2/1/1 3/2/2 10/9/9 \xA3\r\n");
}

TEST(Shift, WrapsRoundAtThe32BitLimits) {
    const std::string text = "vertex 2147483647 -2147483648 0";
    EXPECT_EQ(After(text, Shift(text, All(text), {{1, -1, 0}})),
              "Vertex -2147483648 2147483647 0 ");
}

// Repeated passes as the editor makes them: each pass reads the whole text as
// the one before left it, at the selection's offsets and length.
std::string RepeatedByWholeText(const std::string& text, Selection selection,
                                const ShiftParameters& parameters) {
    std::string current = text;
    std::size_t caret = selection.start;
    const std::size_t length = selection.end - selection.start;
    for (std::int32_t k = 1; k <= parameters.repeatCount; ++k) {
        ShiftParameters pass{
            {parameters.offset.x * k, parameters.offset.y * k, parameters.offset.z * k},
            parameters.leaveOriginal && k == 1};
        const Selection range{selection.start, std::min(selection.start + length, current.size())};
        const auto result = Shift(current, k == 1 ? selection : range, pass);
        if (k == 1) {
            current = After(current, result);
            caret = selection.start + result.replacement.size();
        } else {
            // The pass's output goes in at the caret, after the earlier ones.
            current.insert(caret, result.replacement);
            caret += result.replacement.size();
        }
        if (length == 0) break;
    }
    return current;
}

TEST(Shift, RepeatedPassesReadWhatTheWholeGrowingTextHoldsEvenPastTheirRange) {
    // Selections that end inside a statement, so that every pass reads on past
    // its range: into the results of the passes before it, and, while those are
    // short, into the text after the selection, over blanks, line ends, bytes
    // from 0x80 and long runs of digits.
    const std::string after =
        "   \r\n \t\x80\xFF 7  \r\n\r\n  123456789012/5 Door\r\nvertex 1 2 3\r\n";
    const std::pair<std::string, std::size_t> cases[] = {
        {"motion2 1 2 3 4 5 6 Door\r\n", 9},
        {"wheel 100 200 300 4 5 x\r\n", 7},
        {"fill 1 2 3 4 5 6", 16},
        {"vertex 00000000000001 2", 20},
        {"include -1 -2 ", 14},
        {"line 1 2 3 4 5 6 7 8 9 10 11 12\r\n", 12},
        {"  \xA3\r\n", 3},
    };
    for (const auto& [statement, cut] : cases) {
        const std::string text = "x\r\n" + statement + after;
        for (const bool leave : {false, true}) {
            const Selection selection{3, 3 + cut};
            const ShiftParameters parameters{{3, -40, 500}, leave, true, 6};
            EXPECT_EQ(After(text, Shift(text, selection, parameters)),
                      RepeatedByWholeText(text, selection, parameters))
                << statement << (leave ? " leaving the original" : "");
        }
    }
}

TEST(Shift, RepeatedPassesAgreeWithPassesOverTheWholeTextOnRandomTexts) {
    // Statements, numbers, blanks, line ends and high bytes in random order,
    // and selections that end anywhere.
    const std::string_view pieces[] = {"fill ",    "line ",        "wheel ", "motion2 ", "vertex ",
                                       "include ", "rect ",        "12",     "-3",       "/",
                                       " ",        "\t",           "\r\n",   "\n",       "\xA3",
                                       "\x80 ",    "999999999999", "x"};
    std::uint32_t seed = 5;
    const auto next = [&](std::uint32_t below) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % below;
    };
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (std::uint32_t i = 10 + next(40); i > 0; --i)
            text += pieces[next(std::size(pieces))];
        const std::size_t start = next(std::uint32_t(text.size()) / 2);
        const Selection selection{start, start + next(std::uint32_t(text.size() - start) + 1)};
        const ShiftParameters parameters{{1, -2, 3}, next(2) == 0, true, 1 + std::int32_t(next(5))};
        ASSERT_EQ(After(text, Shift(text, selection, parameters)),
                  RepeatedByWholeText(text, selection, parameters))
            << "round " << round;
    }
}

}  // namespace
}  // namespace lumtrak::tools

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/characters.h"
#include "tools/point_text.h"
#include "tools/rewrite_result.h"
#include "tools/stretch.h"
#include "tools/text_buffer.h"
#include "unit/tools/tool_test_support.h"

namespace lumtrak::tools {

namespace {

TEST(MemoryTextBuffer, ReplacingLeavesTheCaretAfterTheInsertedTextAndClampsSelections) {
    MemoryTextBuffer buffer("abcdef", {2, 4});
    buffer.ReplaceSelection("XYZ");
    EXPECT_EQ(buffer.Text(), "abXYZef");
    EXPECT_EQ(buffer.CurrentSelection(), (Selection{5, 5}));
    buffer.ReplaceSelection("!");
    EXPECT_EQ(buffer.Text(), "abXYZ!ef");
    buffer.SetSelection({3, 100});
    EXPECT_EQ(buffer.CurrentSelection(), (Selection{3, 8}));
    buffer.SetSelection({50, 60});
    EXPECT_EQ(buffer.CurrentSelection(), (Selection{8, 8}));
}

TEST(CommitRewrite, ReplacesTheRangeReselectsShowsMessagesAndRepaints) {
    platform::RecordingMessageSink messages;
    MemoryTextBuffer buffer("0123456789", {0, 0});
    auto result = RewriteResult::ReplaceAndSelect({2, 5}, "abcd");
    result.messages.push_back({"Caption", "Text"});
    CommitRewrite(buffer, result, messages);
    EXPECT_EQ(buffer.Text(), "01abcd56789");
    EXPECT_EQ(buffer.CurrentSelection(), (Selection{2, 6}));
    EXPECT_EQ(buffer.Repaints(), 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Text");

    auto unchanged = RewriteResult::Unchanged({0, 11});
    unchanged.repaintsPreview = false;
    CommitRewrite(buffer, unchanged, messages);
    EXPECT_EQ(buffer.Text(), "01abcd56789");
    EXPECT_EQ(buffer.CurrentSelection(), (Selection{0, 11}));
    EXPECT_EQ(buffer.Repaints(), 1);
}

// The pieces that the command line writes make the text that a buffer holds
// after the same result is committed to it, with the same selection left.
TEST(Rewritten, ThePiecesAreTheTextACommittedBufferHolds) {
    const std::string text = "0123456789";
    std::vector<RewriteResult> results = {
        RewriteResult::Replace({2, 5}, "abcdef"), RewriteResult::ReplaceAndSelect({0, 10}, ""),
        RewriteResult::Replace({7, 30}, "xy"),    RewriteResult::Replace({4, 4}, "insert"),
        RewriteResult::Unchanged({3, 8}),         RewriteResult::Unchanged({12, 40})};
    results[0].selectionAfter = {1, 99};
    for (const RewriteResult& result : results) {
        MemoryTextBuffer buffer(text, {0, 1});
        platform::NullMessageSink messages;
        CommitRewrite(buffer, result, messages);
        const RewrittenText rewritten = Rewritten(text, result);
        EXPECT_EQ(std::string(rewritten.before) + std::string(rewritten.replacement) +
                      std::string(rewritten.after),
                  buffer.Text());
        EXPECT_EQ(rewritten.Size(), buffer.Text().size());
        EXPECT_EQ(rewritten.selection, buffer.CurrentSelection());
    }
}

TEST(PointText, TheLastFieldStepStopsInFrontOfAByteAbove0x7F) {
    const model::DefinitionText text("9/9/9 \xA3 x 1/2/3\xE9y");
    Cursor cursor = 0;
    EXPECT_EQ(ReadPoint(text, cursor, FieldEnd::KeepHighBytes), (Point{9, 9, 9}));
    EXPECT_EQ(cursor, 6u);  // on the pound sign, after the blank
    cursor = 0;
    ReadPoint(text, cursor);
    EXPECT_EQ(cursor, 8u);  // the pound sign passed over as a blank
    cursor = 10;
    EXPECT_EQ(ReadPoint(text, cursor, FieldEnd::KeepHighBytes), (Point{1, 2, 3}));
    EXPECT_EQ(text[cursor], '\xE9');  // the byte that ends the number stays
}

TEST(PointText, ReadingAValueIsReadIntegerThenSkipField) {
    // Values read on the quick path land exactly where the general reading does.
    std::mt19937 random(7);
    const std::string alphabet = "0123456789--+/ \t\r\n,.a\xA3\xE9";
    for (int round = 0; round < 20000; ++round) {
        std::string bytes;
        const int length = static_cast<int>(random() % 16);
        for (int i = 0; i < length; ++i)
            bytes += alphabet[random() % alphabet.size()];
        if (random() % 2 == 0) bytes.insert(0, "-1234567");  // long runs of digits
        for (FieldEnd end : {FieldEnd::Next, FieldEnd::KeepHighBytes}) {
            const model::DefinitionText text(bytes);
            Cursor quick = random() % (bytes.size() + 1);
            Cursor general = quick;
            const std::int32_t value = ReadValue(text, quick, end);
            EXPECT_EQ(value, model::ReadInteger(text, general)) << bytes;
            SkipValueField(text, general, end);
            EXPECT_EQ(quick, general) << bytes;
        }
    }
}

TEST(PointText, ReadsNeverPastTheEndOfTheText) {
    const std::string bytes = "fill 1 2";  // no terminating zero is relied on
    const model::DefinitionText text(std::string_view(bytes).substr(5));
    Cursor cursor = 0;
    EXPECT_EQ(ReadPoint(text, cursor), (Point{1, 2, 0}));
    EXPECT_EQ(ReadPoint(text, cursor), (Point{0, 0, 0}));
}

TEST(PointText, DecimalsReadAsAtofAndWriteWithSixPlaces) {
    auto read = [](std::string_view bytes) { return ReadDecimal(model::DefinitionText(bytes), 0); };
    EXPECT_EQ(read("  -1.5e2x"), -150.0);
    EXPECT_EQ(read(".5 1"), 0.5);
    EXPECT_EQ(read("5."), 5.0);
    EXPECT_EQ(read("7e"), 7.0);
    EXPECT_EQ(read("abc"), 0.0);
    EXPECT_EQ(read("-."), 0.0);
    EXPECT_EQ(read("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(read("-1e-999"), 0.0);
    std::string out;
    AppendDecimal(out, 0.25);
    out += ' ';
    AppendDecimal(out, -1.0 / 3);
    out += ' ';
    AppendInt(out, INT32_MIN);
    EXPECT_EQ(out, "0.250000 -0.333333 -2147483648");
}

TEST(PointText, IntegersOfEveryLengthWriteAsPrintfDoes) {
    std::vector<std::int32_t> values = {INT32_MIN, INT32_MAX, INT32_MIN + 1};
    // Both sides of each power of ten, where the written length changes.
    for (std::int64_t power = 1; power <= 1'000'000'000; power *= 10) {
        for (std::int64_t value : {power - 1, power, power + 1}) {
            values.push_back(static_cast<std::int32_t>(value));
            values.push_back(static_cast<std::int32_t>(-value));
        }
    }
    for (std::int32_t value : values) {
        const std::string expected = std::to_string(value);
        std::string out;
        AppendInt(out, value);
        EXPECT_EQ(out, expected);
        out.clear();
        // Negated in 64 bits: the negation of INT32_MIN does not fit 32.
        const auto seventh = static_cast<std::int32_t>(-std::int64_t{value} / 7);
        AppendPoint(out, {value, seventh, value % 1000});
        EXPECT_EQ(out, expected + "/" + std::to_string(seventh) + "/" +
                           std::to_string(value % 1000) + " ");
    }
}

TEST(PointText, ValuesOfEveryLengthReadBack) {
    // Up to nine digits are read in one go; a tenth digit takes the general way,
    // which saturates as atoi does.
    for (std::string digits : {"0", "7", "42", "512", "6000", "99999", "1234567", "12345678",
                               "123456789", "2147483647", "2147483648", "99999999999"}) {
        for (std::string sign : {"", "-"}) {
            const std::string number = sign + digits;
            const std::string bytes = number + "/1/2 " + number + " 0 0 ";
            const model::DefinitionText text(bytes);
            Cursor cursor = 0;
            const std::int32_t expected = model::ReadInteger(text, 0);
            EXPECT_EQ(ReadPoint(text, cursor), (Point{expected, 1, 2})) << number;
            EXPECT_EQ(ReadPoint(text, cursor), (Point{expected, 0, 0})) << number;
            EXPECT_EQ(cursor, text.End()) << number;
        }
    }
}

// The common scan, seen through a tool that leaves every point as it is.
std::string Normalised(std::string_view text, Selection selection) {
    return After(text, Stretch(text, selection, {}));
}

TEST(RewriteScan, WritesKeywordsAndPointsInTheirNormalForm) {
    const std::string separators = "fill 1,2,3 4 5 6\t7:8:9 10/11/12\r\n";
    EXPECT_EQ(Normalised(separators, All(separators)), "Fill 1/2/3 4/5/6 7/8/9 10/11/12 \r\n");
    const std::string longer = "FILLET 1 2 3 4 5 6 7 8 9 10 11 12";
    EXPECT_EQ(Normalised(longer, All(longer)), "Fill 1/2/3 4/5/6 7/8/9 10/11/12 ");
    // Text that is no number reads as 0; the first point runs to the end of the text.
    EXPECT_EQ(Normalised("rect -0/+5/x", {0, 12}), "Rect 0/5/0 ");
}

TEST(RewriteScan, FindsKeywordsInsideWordsAndComments) {
    const std::string comment = "# outline 1 2 3 4 5 6\r\n";
    EXPECT_EQ(Normalised(comment, All(comment)), "# outLine 1/2/3 4/5/6 \r\n");
}

TEST(RewriteScan, APointListRunsOnPastItsLineEnd) {
    // The cursor stops at the line end; the missing values are all read from the
    // number that begins the next line, which is then copied as text.
    const std::string shortLine = "line 1 2\r\n7 8\r\n";
    EXPECT_EQ(Normalised(shortLine, All(shortLine)), "Line 1/2/7 7/7/7 \r\n7 8\r\n");
}

TEST(RewriteScan, APartialKeywordAtTheStartOfTheSelectionIsPlainText) {
    const std::string text = "fill 1 2 3 4 5 6 7 8 9 10 11 12";
    EXPECT_EQ(Normalised(text, {1, text.size()}), text);
}

TEST(RewriteScan, ASelectionEndingInsideAPointFinishesThatPointOnly) {
    const std::string text = "fill 1 2 3 4 5 6 7 8 9 10 11 12\r\n";
    // The selection ends inside the second point: it is finished and written, and
    // the text after the selection follows as it stood.
    EXPECT_EQ(Normalised(text, {0, 13}), "Fill 1/2/3 4/5/6 5 6 7 8 9 10 11 12\r\n");
}

TEST(RewriteScan, KeepsAPoundSignRightAfterTheLastPoint) {
    const std::string text =
        "fill 0/0/0 1/1/1 2/2/2 9/9/9 \xA3\r\nfill 0/0/0 1/1/1 2/2/2 9/9/9\xA3\r\n";
    EXPECT_EQ(Normalised(text, All(text)),
              "Fill 0/0/0 1/1/1 2/2/2 9/9/9 \xA3\r\nFill 0/0/0 1/1/1 2/2/2 9/9/9 \xA3\r\n");
}

TEST(RewriteScan, AnEmptySelectionRewritesNothing) {
    const auto result = Stretch("fill 1 2 3", {4, 4}, {});
    EXPECT_EQ(result.range, (Selection{4, 4}));
    EXPECT_EQ(result.replacement, "");
    EXPECT_EQ(result.selectionAfter, (Selection{4, 4}));
}

}  // namespace
}  // namespace lumtrak::tools

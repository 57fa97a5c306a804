// Statements whose fields run off the end of a text: the readers stop at the
// end, never read beyond it and never fail.
#include <gtest/gtest.h>

#include <string>

#include "loader_test_support.h"
#include "model/fill_reader.h"
#include "model/materials.h"
#include "model/scanning.h"
#include "model/statement_words.h"

namespace lumtrak::model {
namespace {

TEST_F(LoaderTest, AStatementCutShortByTheEndOfTheTextLoadsWhatItHas) {
    auto& model = Load("name A\nnumber 47");
    EXPECT_EQ(model.name, "A");
    EXPECT_EQ(model.number, 47);
    EXPECT_EQ(model.numberText, "");

    for (const char* text : {"name A\ninclude 1 2 3",
                             "colour red",
                             "motion1 1 2 3",
                             "wheel 1 2 3 4 5",
                             "include",
                             "tilt",
                             "number",
                             "colour",
                             "motion2 1",
                             "wheel",
                             "description",
                             "name",
                             "te 5",
                             "rect 1 2",
                             "line 1 2 3 4 5 6 7 8 9 10 11 12 1 2 3 4",
                             "cab 1",
                             "cab2",
                             "length",
                             "include 1 2 3 [Left",
                             "include 1 2 3 [",
                             "fill 1 2 3 4 5 6 7 8 9 10 11 12 .a",
                             "fill 1 2 3 4 5 6 7 8 9 10 11 12 \"x",
                             "fill 1 2 3 4 5 6 7 8 9 10 11 12 1/2",
                             "fill 1 2 3 4 5 6 7 8 9 10 11 12 *",
                             "{",
                             "}",
                             "#",
                             "//",
                             "[end"}) {
        EXPECT_NO_THROW(Load(text)) << text;
    }
}

TEST_F(LoaderTest, EveryStatementWordAtTheEndOfTheTextLoads) {
    // Each word alone, with one value, and with a value and a separator, as the
    // last thing in the text: with no line end the handler reads past the end.
    for (int s = 1; s <= static_cast<int>(Statement::CloseGroup); ++s) {
        const std::string word(StatementWord(static_cast<Statement>(s)));
        for (const char* tail : {"", " ", " 1", " 1/", " 1 x", " \"a"}) {
            const std::string text = "x\n" + word + tail;
            EXPECT_NO_THROW(Load(text)) << text;
        }
    }
}

TEST(TextEnd, TheReadersAreSafeAtAnyCursorBeyondTheEnd) {
    const std::string bytes = "fill 1";
    const DefinitionText text(bytes);
    TextureRegistry textures;
    const ColourAliasList aliases;
    for (Cursor start = text.End(); start <= text.End() + 3; ++start) {
        Cursor cursor = start;
        SkipField(text, cursor);
        EXPECT_GT(cursor, text.End());
        SideMask mask;
        cursor = start;
        ReadSideTag(text, cursor, mask);
        EXPECT_EQ(mask, SideMask{});
        cursor = start;
        EXPECT_EQ(ReadMaterial(text, cursor), 0);
        cursor = start;
        EXPECT_NO_THROW(ReadFillPanel(text, cursor, SideMask::AllVisible(), Placement{}, "",
                                      aliases, textures));
        EXPECT_EQ(StatementMatcher(text, 0).Match(start), Statement::None);
        EXPECT_EQ(text.Slice(start, start + 5), "");
        EXPECT_EQ(text.Slice(2, start), "ll 1");
    }
}

}  // namespace
}  // namespace lumtrak::model

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "check_test_support.h"

namespace lumtrak::diagnostics {
namespace {

using ::testing::ElementsAre;

using W = CheckTest::Where;

// Four corners: the 33 bytes after which a fill's tail begins.
const std::string kCorners = "fill 0 0 0 10 0 0 10 0 10 0 0 10 ";

TEST_F(CheckTest, IncludesWhosePartIsFoundNowhereAreErrorsAtTheirNames) {
    EXPECT_THAT(Places("name A\r\n"
                       "include 0 0 0 nowhere\r\n"
                       "tilt 1 2 3 [Left] lost\r\n"
                       "wheel 0 0 0 1 2 gone # a comment\r\n"
                       "include 0 0 0\r\n"
                       "[end]\r\n"),
                ElementsAre(W{2, 15, "include-not-found"}, W{3, 19, "include-not-found"},
                            W{4, 17, "include-not-found"}));
    const auto problems = Check("include 0 0 0 Nowhere\n");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].GetSeverity(), Severity::Error);
    EXPECT_EQ(problems[0].offset, 14u);
    EXPECT_EQ(problems[0].length, 7u);
    EXPECT_EQ(problems[0].Text(),
              "part 'Nowhere' is defined neither in this text nor in "
              "\"Stock Index\": nothing is placed");
}

TEST_F(CheckTest, AnIndexEntryWhoseFileCannotBeReadMakesTheIncludeUnreadable) {
    WriteIndex({{"Broken", "Stock/missing.stk"}});
    EXPECT_THAT(Places("include 0 0 0 broken\n"), ElementsAre(W{1, 15, "include-unreadable"}));
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.front().text, "Can't open file");
}

TEST_F(CheckTest, ProblemsOfAPartFoundThroughTheIndexAreReportedAtTheIncludeOnce) {
    programFolder.Write("Stock/Parts/bogie.stk", "name Bogie\r\n" + kCorners +
                                                     "\"none.bmp\" 1 1 1\r\n" + kCorners +
                                                     "\"none.bmp\" 1 1 1\r\n"
                                                     "include 0 0 0 axle\r\n"
                                                     "[end]\r\n");
    WriteIndex({{"Bogie", "Stock/Parts/bogie.stk"}});
    const auto problems = Check(
        "name Loco\r\n"
        "include 0 0 0 bogie\r\n"
        "[end]\r\n");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].CodeName(), "include-not-found");
    EXPECT_EQ(problems[0].line, 2u);
    ASSERT_TRUE(problems[0].part);
    EXPECT_EQ(problems[0].part->line, 4u);
    EXPECT_EQ(problems[1].line, 2u);
    EXPECT_EQ(problems[1].column, 15u);
    EXPECT_EQ(problems[1].CodeName(), "texture-not-found");
    EXPECT_EQ(problems[1].Text(),
              "in part 'bogie' (Stock/Parts/bogie.stk:2): texture 'none.bmp' is in none of the "
              "texture folders: the face shows white");
    // The part's file checked by itself reports them where they stand.
    EXPECT_THAT(Places(testing::ReadFileBytes(programFolder.Path() / "Stock/Parts/bogie.stk"),
                       "Stock/Parts/bogie.stk"),
                ElementsAre(W{2, 35, "texture-not-found"}, W{3, 35, "texture-not-found"},
                            W{4, 15, "include-not-found"}));
}

TEST_F(CheckTest, IncludesThatLeadBackOrNestTooDeepAreLeftOutWithAWarning) {
    EXPECT_THAT(Places("name A\ninclude 0 0 0 a\n[end]\n"), ElementsAre(W{2, 15, "include-cycle"}));
    // Seventy parts, each including the next.
    std::string chain;
    for (int i = 0; i < 70; ++i) {
        chain += "name P" + std::to_string(i) + "\ninclude 0 0 0 P" + std::to_string(i + 1) +
                 "\n[end]\n";
    }
    const auto problems = Check("include 0 0 0 P0\n[end]\n" + chain + "name P70\n[end]\n");
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems[0].CodeName(), "include-too-deep");
    EXPECT_EQ(problems[0].line, 1u);
    EXPECT_NE(problems[0].Text().find("more than 64 levels deep"), std::string::npos);
}

TEST_F(CheckTest, TheStatementAtWhichTheIncludeBudgetRunsOutIsWarnedOfOnce) {
    model::LoadLimits limits;
    limits.includes = 3;
    Checker limited(includes, messages, limits);
    const std::string text =
        "name A\ninclude 0 0 0 p\ninclude 0 0 0 p\ninclude 0 0 0 p\ninclude 0 0 0 p\n"
        "include 0 0 0 p\n[end]\nname P\n[end]\n";
    const auto problems = limited.Check({text, "t.stk", ""}).problems;
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].CodeName(), "include-budget");
    EXPECT_EQ(problems[0].line, 5u);
}

TEST_F(CheckTest, ANameEndingInABlankIsWarnedOfInFilesThatTheIndexLists) {
    WriteIndex({{"Listed ", "Stock/listed.stk"}});
    const std::string text = "name Listed \r\nfill 0 0 0 1 1 1 2 2 2 3 3 3\r\n[end]\r\n";
    const auto problems = Check(text, "Stock/listed.stk");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].CodeName(), "name-trailing-blank");
    EXPECT_EQ(problems[0].column, 6u);
    EXPECT_EQ(problems[0].arguments, std::vector<std::string>{"Listed "});
    EXPECT_TRUE(Check(text, "Stock/unlisted.stk").empty());
}

TEST_F(CheckTest, TexturesAreLookedForWhereThe3DPreviewLooksForThem) {
    const auto grille =
        testing::ReadFileBytes(std::filesystem::path(LUMTRAK_SAMPLES_DIR) / "Textures/grille.bmp");
    programFolder.Write("Textures/grille.bmp", grille);
    programFolder.Write("Textures/broken.bmp", "no bitmap");
    programFolder.Write("Wagons/beside.bmp", grille);
    programFolder.Write("Stock/Parts/own.bmp", grille);
    programFolder.Write("Stock/Parts/part.stk", "name Part\n" + kCorners + "\"own.bmp\" 1 1 1\n");
    WriteIndex({{"Part", "Stock/Parts/part.stk"}});
    EXPECT_THAT(Places("name T\n" + kCorners + "\"grille.bmp\" 1 1 1\n" + kCorners +
                           "\"broken.bmp\" 1 1 1\n" + kCorners + "\"absent.bmp\" 1 1 1\n" +
                           kCorners + "\"beside.bmp\" 1 1 1\ninclude 0 0 0 part\n[end]\n",
                       "Wagons/t.stk"),
                ElementsAre(W{3, 35, "texture-unreadable"}, W{4, 35, "texture-not-found"}));
}

TEST_F(CheckTest, AColourAliasReferenceMustFollowItsColourStatement) {
    EXPECT_THAT(
        Places(kCorners + ".body\n" +                       // before the statement
               "colour Body 10/20/30\n" + kCorners +        //
               ".BODY\n" + kCorners + ".bodywork [Left]\n"  // no alias of that name
               ),
        ElementsAre(W{1, 34, "colour-alias-not-found"}, W{4, 34, "colour-alias-not-found"}));
    EXPECT_EQ(Check(kCorners + ".body\n")[0].arguments, std::vector<std::string>{".body"});
}

TEST_F(CheckTest, ACabOnTheFirstLineOfItsTextCountsForNothing) {
    const auto problems = Check("cab 1 2 3\nname C\ncab 4 5 6\n# cab 7 8 9\n[end] cab2 1 2 3\n");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].line, 1u);
    EXPECT_EQ(problems[0].CodeName(), "cab-first-line");
    EXPECT_EQ(problems[1].line, 5u);
    EXPECT_EQ(problems[1].column, 7u);
    EXPECT_EQ(problems[1].Text(), "\"cab2\" on the first line of the text counts for nothing");
}

TEST_F(CheckTest, CoordinatesThatDoNotFitSixteenBitsWrap) {
    programFolder.Write("Stock/p.stk", "name P\nfill 0 0 0 0 1 1 0 2 2 0 3 3\n[end]\n");
    WriteIndex({{"P", "Stock/p.stk"}});
    const auto problems = Check(
        "fill 300000 0 0 10 0 0 10 0 10 0 0 10\n"
        "rect 0 0 0 0 0 0 0 0 0 0 0 -200000 1 1 1\n"
        "cab 0 0 99999\n"
        "include 150000 0 0 p\n");
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].column, 6u);
    EXPECT_EQ(problems[0].length, 6u);
    EXPECT_EQ(problems[0].arguments, (std::vector<std::string>{"100000", "-31072"}));
    EXPECT_EQ(problems[1].line, 2u);
    EXPECT_EQ(problems[1].column, 28u);
    EXPECT_EQ(problems[1].arguments, (std::vector<std::string>{"-66666", "-1130"}));
    EXPECT_EQ(problems[2].line, 3u);
    EXPECT_EQ(problems[2].column, 9u);
    // The part's own values fit; the include's offset pushes them over.
    EXPECT_EQ(problems[3].line, 4u);
    EXPECT_EQ(problems[3].column, 20u);
    ASSERT_TRUE(problems[3].part);
    EXPECT_EQ(problems[3].part->line, 2u);
}

TEST_F(CheckTest, AGroupLeftOpenIsWarnedOfAtItsBrace) {
    EXPECT_THAT(Places("name G\n  { fill 1 2 3 4 5 6 7 8 9 10 11 12\nfill 1 2 3 4 5 6 7 8 9 1 1 1\n"
                       "[end]\n{\nfill 1 2 3 4 5 6 7 8 9 10 11 12\n}\n"
                       // A "}" in a fill's tail is tail, not the group's end.
                       "[end]\n{ fill 1 2 3 4 5 6 7 8 9 10 11 12 }\n"),
                ElementsAre(W{2, 3, "group-not-closed"}, W{9, 1, "group-not-closed"}));
}

TEST_F(CheckTest, PanelsBeyondTheFrontViewsLimitAreNotedOnceAtTheFirstOfThem) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "rect 0 0 0 1 1 1 2 2 2 3 3 3 9 9 9 [Right]\n";  // hidden from the front
    for (int i = 0; i < 600; ++i)
        text += "rect 0 0 0 1 1 1 2 2 2 3 3 3 9 9 9\n";
    const auto problems = Check(text);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].CodeName(), "panels-beyond-2d-limit");
    EXPECT_EQ(problems[0].GetSeverity(), Severity::Note);
    EXPECT_EQ(problems[0].line, 101u);
    EXPECT_EQ(problems[0].arguments, std::vector<std::string>{"90"});
}

TEST_F(CheckTest, LinesThatTheLoaderTakesNothingFromAreNoted) {
    EXPECT_THAT(Places("name I\n"
                       "rubbish here\n"
                       "\n"
                       "   # a comment\n"
                       "strip\n"  // the 3D scene reads it
                       "  more rubbish\n"
                       "Vertex 1 2 3\n"  // the "te" inside it is a statement
                       "[end]\n"),
                ElementsAre(W{2, 1, "ignored-text"}, W{6, 3, "ignored-text"}));
}

TEST_F(CheckTest, LinesEndAtCarriageReturnLineFeedLineFeedOrALoneCarriageReturn) {
    const std::vector<W> expected{{2, 15, "include-not-found"}, {3, 3, "ignored-text"}};
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        EXPECT_EQ(Places("name L" + end + "include 0 0 0 x" + end + "  junk" + end + "[end]" + end),
                  expected);
    }
    // A line feed before a carriage return ends two lines.
    EXPECT_THAT(Places("name L\n\rinclude 0 0 0 x\n"), ElementsAre(W{3, 15, "include-not-found"}));
}

TEST_F(CheckTest, AFillThatRunsPastTheEndOfTheTextIsWarnedOf) {
    EXPECT_THAT(Places("name O\nfill 0 0 0 10 0 0 10 0 10 0 0 10"),
                ElementsAre(W{2, 1, "fill-overrun"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "ReadP overrun: O");
}

TEST_F(CheckTest, OneDefinitionOrEveryOne) {
    const std::string text = "name A\ninclude 0 0 0 x\n[end]\nname B\ninclude 0 0 0 y\n[end]\n";
    EXPECT_EQ(Check(text).size(), 2u);
    const auto second = Check(text, "t.stk", text.find("name B") + 2);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].line, 5u);
    EXPECT_EQ(DefinitionStarts("[end]a[END]b[end]"), (std::vector<model::Cursor>{0, 11, 17}));
}

TEST(ProblemLineTest, ReadsAsEditorsAndContinuousIntegrationReadIt) {
    Problem problem;
    problem.file = "Stock/a.stk";
    problem.line = 3;
    problem.column = 7;
    problem.code = ProblemCode::TextureNotFound;
    problem.arguments = {"wood%1.bmp"};
    EXPECT_EQ(ProblemLine(problem),
              "Stock/a.stk:3:7: warning: texture 'wood%1.bmp' is in none of the texture folders: "
              "the face shows white [texture-not-found]");
    for (const ProblemKind& kind : ProblemKinds())
        EXPECT_EQ(&KindOf(kind.code), &kind);
}

}  // namespace
}  // namespace lumtrak::diagnostics

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "support/json_value.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kFaulty =
    "name Faulty\r\n"
    "include 0 0 0 nowhere\r\n"
    "fill 0 0 0 10 0 0 10 0 10 0 0 10 .body\r\n"
    "  some words\r\n"
    "[end]\r\n";

TEST(CheckCommand, WritesOneLinePerProblemAndExitsWithOneForErrorsAndWarnings) {
    TempFolder folder;
    const std::string file = folder.Write("faulty.stk", kFaulty);
    const auto result = RunStock({"check", file, "--program-dir", kSamplesFolder});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(result.out,
              file +
                  ":2:15: error: part 'nowhere' is defined neither in this text nor in \"Stock "
                  "Index\": nothing is placed [include-not-found]\n" +
                  file +
                  ":3:34: warning: colour alias '.body' matches no \"colour\" statement before it "
                  "in this definition [colour-alias-not-found]\n" +
                  file + ":4:3: note: the loader takes nothing from this line [ignored-text]\n");
    EXPECT_EQ(result.err, "");

    // Notes alone, and nothing at all, are a success.
    EXPECT_EQ(RunStock({"check", "-"}, "junk\n").exitCode, 0);
    const auto clean = RunStock({"check", kSamplesFolder + "/Stock/Locomotives/Class40.stk",
                                 "--program-dir", kSamplesFolder});
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(clean.out, "");
}

TEST(CheckCommand, ChecksSeveralFilesInOrderAndOnlyTheDefinitionUnderTheCaret) {
    TempFolder folder;
    const std::string b = folder.Write("b.stk", "include 0 0 0 x\n");
    const std::string a =
        folder.Write("a.stk", "name A\ninclude 0 0 0 y\n[end]\ninclude 0 0 0 z\n");
    const auto both = RunStock({"check", b, a, "-"}, "rubbish\n");
    EXPECT_EQ(both.exitCode, 1);
    EXPECT_THAT(both.out, StartsWith("-:1:1: note: "));
    EXPECT_THAT(both.out, HasSubstr("\n" + a + ":2:15: error: part 'y'"));
    EXPECT_THAT(both.out, HasSubstr("\n" + a + ":4:15: error: part 'z'"));
    EXPECT_LT(both.out.find(a + ":4:15"), both.out.find(b + ":1:15"));

    const auto second = RunStock({"check", a, "--caret", "30"});
    EXPECT_EQ(second.out, a + ":4:15: error: part 'z' is defined neither in this text nor in "
                              "\"Stock Index\": nothing is placed [include-not-found]\n");
}

TEST(CheckCommand, JsonHoldsTheProblemsTheMessagesAndTheNotes) {
    TempFolder program;
    program.Write("Stock Index", "Gone\tStock/gone.stk\r\n");
    const std::string file = program.Write("t.stk", "include 0 0 0 gone\n" + kFaulty);
    const auto result = RunStock({"check", file, "--json", "--program-dir", program.Path()});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    const auto json = JsonValue::Parse(result.out);
    ASSERT_EQ(json["problems"].Size(), 4u);
    const auto& first = json["problems"][0];
    EXPECT_EQ(first["file"].String(), file);
    EXPECT_EQ(first["line"].Int(), 1);
    EXPECT_EQ(first["column"].Int(), 15);
    EXPECT_EQ(first["offset"].Int(), 14);
    EXPECT_EQ(first["severity"].String(), "error");
    EXPECT_EQ(first["code"].String(), "include-unreadable");
    EXPECT_THAT(first["text"].String(), HasSubstr("part 'gone'"));
    EXPECT_EQ(json["problems"][3]["severity"].String(), "note");
    // The loader's message for the file that the index names.
    ASSERT_EQ(json["messages"].Size(), 1u);
    EXPECT_EQ(json["messages"][0]["text"].String(), "Can't open file");
    EXPECT_THAT(result.err, HasSubstr("Can't open file"));
    EXPECT_EQ(json["notes"].Size(), 0u);
}

TEST(CheckCommand, WithoutFileChecksEveryDefinitionFileOfThePackage) {
    TempFolder program;
    program.Write("Stock/Wagons/open.stk", "include 0 0 0 a\n");
    program.Write("Stock/Wagons/notes.txt", "include 0 0 0 b\n");
    program.Write("Stock/.hidden/x.stk", "include 0 0 0 c\n");
    program.Write("Stock/Scenery/shed.STC", "include 0 0 0 d\n");
    program.Write("qzv/STOCK/signal.sig", "include 0 0 0 e\n");
    program.Write("elsewhere.stk", "include 0 0 0 f\n");
    const auto result = RunStockIn(program.Path().string(), {"check", "--program-dir", "."});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(result.out,
              "Stock/Scenery/shed.STC:1:15: error: part 'd' is defined neither in this text nor "
              "in \"Stock Index\": nothing is placed [include-not-found]\n"
              "Stock/Wagons/open.stk:1:15: error: part 'a' is defined neither in this text nor "
              "in \"Stock Index\": nothing is placed [include-not-found]\n"
              "qzv/STOCK/signal.sig:1:15: error: part 'e' is defined neither in this text nor in "
              "\"Stock Index\": nothing is placed [include-not-found]\n");
    // A package without problems.
    TempFolder clean;
    clean.Write("Stock/a.stk", "name A\nfill 0 0 0 1 1 1 2 2 2 3 3 3\n[end]\n");
    const auto none = RunStock({"check", "--program-dir", clean.Path()});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}

TEST(CheckCommand, BadUsageExitsWithTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"check", "/no/such/file.stk"},
          {"check", "-", "--sel", "4"},
          {"check", "-", "--json=yes"}}) {
        const auto result = RunStock(args, "name A\n");
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_EQ(result.out, "");
    }
    EXPECT_THAT(RunStock({"check", "--help"}).out,
                StartsWith("Usage: lumtrak-stock check [FILE...] [--program-dir DIR] [--json]"));
}

}  // namespace
}  // namespace lumtrak::testing

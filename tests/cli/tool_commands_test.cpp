#include <sys/stat.h>

#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "support/json_value.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kLines =
    "name Crate\r\n"
    "fill 0/0/0 10/0/0 10/0/10 0/0/10 200/0/0 \xA3\r\n"
    "line 0 0 0 5 5 5 1 1 1 0 0 0 9 9 9 40 0 0\r\n"
    "[end]\r\n";

TEST(ToolCommands, ShiftWritesTheWholeTextAsRawBytes) {
    const std::string from = std::to_string(kLines.find("fill"));
    const std::string to = std::to_string(kLines.find("[end]"));
    const auto result = RunStock(
        {"shift", "-", "--sel", from + ":" + to, "--w", "5", "--l=-10", "--h", "1x"}, kLines);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "name Crate\r\n"
              "Fill 5/-10/1 15/-10/1 15/-10/11 5/-10/11 200/0/0 \xA3\r\n"
              "Line 5/-10/1 10/-5/6 1 1 1 0 0 0 9 9 9 40 0 0\r\n"
              "[end]\r\n");
    EXPECT_EQ(result.err, "");
}

TEST(ToolCommands, JsonGivesTheTextTheSelectionAfterwardsAndAnEmptyResult) {
    const std::string text = "fill 1 1 1 2 2 2 3 3 3 4 4 4\r\n";
    const auto result = RunStock({"rotate-vertices-left", "-", "--sel", "0:28", "--json"}, text);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = JsonValue::Parse(result.out);
    EXPECT_EQ(json["text"].String(), "Fill 4/4/4 1/1/1 2/2/2 3/3/3 \r\n");
    EXPECT_THAT(json["selection"].Ints(), ElementsAre(0, 29));
    EXPECT_EQ(json["messages"].Size(), 0u);
    EXPECT_EQ(json["result"].Members().size(), 0u);

    const auto caret = JsonValue::Parse(
        RunStock({"matrix", "-", "--sel=0:999", "--json", "--m", "1,0,0,0,0,1,0,0,0,0,1,0.5"}, text)
            .out);
    EXPECT_EQ(caret["text"].String(), "Fill 1/1/1 2/2/2 3/3/3 4/4/4 \r\n");
    EXPECT_THAT(caret["selection"].Ints(), ElementsAre(31, 31));
}

TEST(ToolCommands, InPlaceReplacesTheFileAndKeepsItsPermissions) {
    TempFolder folder;
    const std::string file = folder.Write("crate.stk", kLines);
    ::chmod(file.c_str(), 0640);
    const auto result = RunStock({"reverse-panel", file, "--sel", "0:200", "--in-place"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadFileBytes(file),
              "name Crate\r\n"
              "Fill 0/0/0 0/0/10 10/0/10 10/0/0 200/0/0 \xA3\r\n"
              "Line 5/5/5 0/0/0 1 1 1 0 0 0 9 9 9 40 0 0\r\n"
              "[end]\r\n");
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    const std::string out = folder / "out.stk";
    EXPECT_EQ(RunStock({"rotate-90-left", file, "--sel", "0:200", "-o", out}).exitCode, 0);
    EXPECT_THAT(ReadFileBytes(out), HasSubstr("Fill 0/0/0 0/0/10 0/10/10 0/10/0 "));
}

TEST(ToolCommands, AnOutputThatCannotBeWrittenFailsWithStatusOne) {
    TempFolder folder;
    const auto result =
        RunStock({"stretch", "-", "-o", folder / "missing/out.stk"}, "fill 1 2 3\r\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("missing/out.stk"));
}

TEST(ToolCommands, MalformedValuesAreUsageErrorsNamingTheOption) {
    TempFolder folder;
    const std::string file = folder.Write("a.stk", "fill 1 2 3\r\n");
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{"matrix", file, "--m", "1,2"}, "--m"},
        {{"matrix", file, "--m", "1,0,0,0,0,1,0,0,0,0,1,x"}, "--m"},
        {{"matrix", file, "--m", "1,0,0,0,0,1,0,0,0,0,1,0,0"}, "--m"},
        {{"matrix", file, "--m", "1,0,0,0,0,1,0,0,0,0,1,1e39"}, "--m"},
        {{"shift", file, "--repeat", "two"}, "--repeat"},
        {{"shift", file, "--repeat", "99999999999"}, "--repeat"},
        {{"shift", file, "-o", folder / "b.stk", "--in-place"}, "--in-place"},
        {{"shift", "-", "--in-place"}, "--in-place"},
        {{"reflect", file, "--reflect-w=1"}, "--reflect-w"},
        {{"reverse-panel", file, "--w", "1"}, "--w"},
        {{"rotate-90-left", folder / "none.stk"}, "none.stk"},
        {{"rotate-90-left", folder.Path().string()}, folder.Path().string()},
        {{"shift", file, "--sel", "4:2"}, "--sel"},
    };
    for (const auto& c : cases) {
        const auto result = RunStock(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.named << ": " << result.err;
        EXPECT_THAT(result.err, StartsWith("lumtrak-stock: ")) << c.named;
        EXPECT_THAT(result.err, HasSubstr(c.named));
    }
    EXPECT_EQ(ReadFileBytes(file), "fill 1 2 3\r\n");
}

}  // namespace
}  // namespace lumtrak::testing

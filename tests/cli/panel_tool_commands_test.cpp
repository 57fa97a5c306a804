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

const std::string kPanels =
    "length 2000\r\n"
    "fill -50/0/0 -90/0/0 -90/0/9 -50/0/9 9:9:9\r\n"
    "fill 0/0/0 1/1/1 2/2/2 3/3/3 [Front]\r\n"
    "fill 0/0/0 1/1/1 2/2/2 3/3/3 [D3D]\r\n";

TEST(PanelToolCommands, CountPanelsPrintsTheCountsOrPutsThemInTheJsonResult) {
    auto result = RunStock({"count-panels", "-"}, kPanels);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Q1 2\nQ2 2\nQ3 1\nQ4 1\nTotal 3\n");

    result = RunStock({"count-panels", "-", "--caret", "5", "--json"}, kPanels);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto json = JsonValue::Parse(result.out);
    EXPECT_EQ(json["text"].String(), kPanels);
    const int whole = static_cast<int>(kPanels.size());
    EXPECT_THAT(json["selection"].Ints(), ElementsAre(0, whole));
    EXPECT_EQ(json["result"]["q1"].Int(), 2);
    EXPECT_EQ(json["result"]["q2"].Int(), 2);
    EXPECT_EQ(json["result"]["q3"].Int(), 1);
    EXPECT_EQ(json["result"]["q4"].Int(), 1);
    EXPECT_EQ(json["result"]["total"].Int(), 3);
}

TEST(PanelToolCommands, SetD3DOnlyAndAutoQRewriteTheWholeTextWithoutASelection) {
    auto result = RunStock({"set-d3d-only", "-"}, kPanels);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "length 2000\r\n"
              "Fill -50/0/0 -90/0/0 -90/0/9 -50/0/9 9:9:9 [D3D] \r\n"
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [D3D] \r\n"
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [D3D] \r\n");
    EXPECT_EQ(RunStock({"set-d3d-only", "-", "--caret", "3"}, kPanels).out, kPanels);

    result = RunStock({"auto-q", "-", "--caret", "3"}, kPanels);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "length 2000\r\n"
              "Fill -50/0/0 -90/0/0 -90/0/9 -50/0/9 9:9:9 [Left] \r\n"
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [Front] \r\n"
              "Fill 0/0/0 1/1/1 2/2/2 3/3/3  [Front] \r\n");
}

TEST(PanelToolCommands, CutOutWithoutACommonPlaneShowsTheMessageAndSucceeds) {
    const std::string text = "fill 0/0/0 1/0/0 1/1/0 0/1/0\r\nfill 0/0/1 1/0/1 1/1/1 0/1/1\r\n";
    auto result = RunStock({"cut-out", "-", "--sel", "0:60", "--json"}, text);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "Lumtrak Stock Editor: Can't identify co-plane\n");
    const auto json = JsonValue::Parse(result.out);
    EXPECT_EQ(json["text"].String(), text);
    EXPECT_THAT(json["selection"].Ints(), ElementsAre(0, 60));
    ASSERT_EQ(json["messages"].Size(), 1u);
    EXPECT_EQ(json["messages"][0]["caption"].String(), "Lumtrak Stock Editor");
    EXPECT_EQ(json["messages"][0]["text"].String(), "Can't identify co-plane");

    const std::string wall = "fill 0 0 0 0 9 0 0 9 9 0 0 9 *red\nfill 0 3 3 0 6 3 0 6 6 0 3 6\nx";
    result = RunStock({"cut-out", "-", "--sel", "0:63"}, wall);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "\tFill 0/0/0 0/9/0 0/9/3 0/0/3 *red\r\n"
              "\tFill 0/0/6 0/9/6 0/9/9 0/0/9 *red\r\n"
              "\tFill 0/0/3 0/3/3 0/3/6 0/0/6 *red\r\n"
              "\tFill 0/6/3 0/9/3 0/9/6 0/6/6 *red\r\n"
              "x");
}

TEST(PanelToolCommands, CylindersInsertAtTheCaretInPlace) {
    TempFolder folder;
    const std::string file = folder.Write("drum.stk", "name Drum\r\n[end]\r\n");
    const auto result = RunStock({"cylinders", file, "--caret", "11", "--in-place", "--b=0,0,100",
                                  "--radius-a", "10", "--radius-b", "10", "--steps", "4",
                                  "--solid-a", "--colour-a", "255,0,0", "--marker-b", "="});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadFileBytes(file),
              "name Drum\r\n"
              "\tFill 0/0/0 0/0/0 0/-10/0 -9/0/0 255:0:0  \r\n"
              "\tFill 0/0/0 0/0/0 -9/0/0 0/9/0 255:0:0  \r\n"
              "\tFill 0/0/0 0/0/0 0/9/0 9/0/0 255:0:0  \r\n"
              "\tFill 0/0/0 0/0/0 9/0/0 0/-10/0 255:0:0  \r\n"
              "\r\n\r\n"
              "[end]\r\n");
}

TEST(PanelToolCommands, DivideCutsAtTheChosenAxis) {
    const auto result = RunStock({"divide", "-", "--sel", "0:40", "--axis", "w", "--w", "40"},
                                 "fill 0 0 0 100 0 0 100 0 50 0 0 50 1/2/3\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Fill 0/0/0 40/0/0 40/0/50 0/0/50 1/2/3\r\n"
              "Fill 40/0/0 100/0/0 100/0/50 40/0/50 1/2/3\n");
}

TEST(PanelToolCommands, MalformedValuesAreUsageErrorsNamingTheOption) {
    TempFolder folder;
    const std::string file = folder.Write("a.stk", "fill 1 2 3\r\n");
    const std::vector<std::vector<std::string>> cases = {
        {"divide", file, "--axis", "x"},
        {"divide", file, "--w", "4O"},
        {"cylinders", file, "--a", "1,2"},
        {"cylinders", file, "--b", "1,2,3,4"},
        {"cylinders", file, "--colour-cylinder", "0,0,256"},
        {"cylinders", file, "--colour-a", "-1,0,0"},
        {"cylinders", file, "--marker-b", "#"},
        {"cylinders", file, "--steps", "3.5"},
        {"count-panels", file, "--axis", "w"},
    };
    for (const auto& args : cases) {
        const auto result = RunStock(args);
        EXPECT_EQ(result.exitCode, 2) << args[2] << ": " << result.err;
        EXPECT_THAT(result.err, StartsWith("lumtrak-stock: ")) << args[2];
        EXPECT_THAT(result.err, HasSubstr(args[2]));
    }
    EXPECT_EQ(ReadFileBytes(file), "fill 1 2 3\r\n");
}

}  // namespace
}  // namespace lumtrak::testing

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "support/json_value.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

JsonValue ModelOf(const ProcessResult& result) {
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return JsonValue::Parse(result.out);
}

TEST(ModelCommand, LoadsTheSampleLocomotiveWithItsPartsThroughTheIndex) {
    const auto model = ModelOf(RunStock({"model", kSamplesFolder + "/Stock/Locomotives/Class40.stk",
                                         "--program-dir", kSamplesFolder}));
    EXPECT_EQ(model["name"].String(), "Class 40");
    EXPECT_EQ(model["numberText"].String(), "D%d");
    EXPECT_EQ(model["number"].Int(), 40122);
    EXPECT_EQ(model["weight"].Int(), 133 * 1016);
    EXPECT_EQ(model["length"].Int(), 600);
    EXPECT_EQ(model["wheelbase"].Int(), 140);
    EXPECT_THAT(model["cab1"].Ints(), ElementsAre(-8, 13, 31));
    EXPECT_TRUE(model["groupHead"].IsNull());
    EXPECT_EQ(model["messages"].Size(), 0u);
    // Fourteen body fills, two window groups and the hose; two bogies of three
    // panels; four axles of seven.
    EXPECT_EQ(model["mainList"].Size(), 17u + 2 * 3 + 4 * 7);
    EXPECT_EQ(model["seeThroughList"].Size(), 2u);
    // The last panel of the text comes first: the swinging brake hose.
    const auto& hose = model["mainList"][0];
    EXPECT_EQ(hose["kind"].Int(), 2);
    EXPECT_EQ(hose["period"].Int(), 40);
    EXPECT_EQ(hose["subPanels"].Size(), 0u);
    // Each side's engine-room windows are one group: a head carrying two.
    EXPECT_EQ(model["mainList"][1]["subPanels"].Size(), 2u);
}

TEST(ModelCommand, TheCaretChoosesTheDefinitionAndTheSelectionIsHighlighted) {
    const std::string text =
        "name First\n[end]\nname Second\nrect 0 0 0 3 0 0 3 0 3 0 0 3 1 2 3\n"
        "fill 0 0 0 3 0 0 3 0 3 0 0 3 \"wood.bmp\" 9 9 9 *7 @\n";
    const std::string rectAt = std::to_string(text.find("rect"));
    auto model = ModelOf(RunStock({"model", "-", "--caret=" + rectAt}, text));
    EXPECT_EQ(model["name"].String(), "Second");
    ASSERT_EQ(model["mainList"].Size(), 2u);
    const auto& fill = model["mainList"][0];
    EXPECT_EQ(fill["colour"].Int(), 0xC0C0C0);
    EXPECT_EQ(fill["texture"].Int(), 1);
    EXPECT_EQ(fill["textureName"].String(), "wood.bmp");
    EXPECT_EQ(fill["textureColour"].Int(), 0x090909);
    EXPECT_EQ(fill["material"].Int(), 7);
    EXPECT_EQ(fill["modifiers"].Int(), 4);
    EXPECT_THAT(fill["sides"].Ints(), ElementsAre(1, 1, 1, 1));
    EXPECT_THAT(fill["vertices"][1].Ints(), ElementsAre(1, 0, 0));
    EXPECT_EQ(model["mainList"][1]["colour"].Int(), 0x030201);

    model = ModelOf(RunStock({"model", "-", "--sel", rectAt + ":" + rectAt, "--highlight"}, text));
    EXPECT_EQ(model["mainList"][1]["colour"].Int(), 0xFF00FF);
    EXPECT_EQ(model["mainList"][0]["colour"].Int(), 0xC0C0C0);

    // Offsets beyond the text are clamped to its end.
    EXPECT_EQ(ModelOf(RunStock({"model", "-", "--caret", "999999"}, text))["name"].String(),
              "Second");
}

TEST(ModelCommand, MessagesGoToStandardErrorAndIntoTheJson) {
    TempFolder folder;
    folder.Write("empty.stk", "");
    folder.Write("Stock Index", "part\t" + (folder / "empty.stk") + "\r\n");
    const std::string text = "name Caf\xE9\ninclude 0 0 0 part\nfill 0 0 0 0 0 0 0 0 0 0 0 3";
    const auto result = RunStock({"model", "-", "--program-dir", folder.Path().string()}, text);
    const auto model = ModelOf(result);
    EXPECT_EQ(model["name"].String(), "Caf\xE9");
    EXPECT_THAT(result.out, HasSubstr("\"Caf\xC3\xA9\""));  // byte 0xE9 is U+00E9
    ASSERT_EQ(model["messages"].Size(), 2u);
    EXPECT_EQ(model["messages"][0]["caption"].String(), folder / "empty.stk");
    EXPECT_EQ(model["messages"][0]["text"].String(), "Can't create file mapping.\n1006 0 0");
    EXPECT_EQ(model["messages"][1]["caption"].String(), "Lumtrak Stock Editor");
    EXPECT_EQ(model["messages"][1]["text"].String(), "ReadP overrun: Caf\xE9");
    EXPECT_EQ(result.err, (folder / "empty.stk") +
                              ": Can't create file mapping.\\n1006 0 0\n"
                              "Lumtrak Stock Editor: ReadP overrun: Caf\xE9\n");
}

TEST(ModelCommand, ASpentIncludeBudgetIsANoteOnStandardErrorAndInTheJson) {
    // Each of 24 parts includes the next one twice: 2^23 copies of the last.
    std::string text = "name Top\ninclude 0 0 0 P0\n[end]\n";
    for (int i = 0; i < 23; ++i) {
        const std::string next = "include 0 0 0 P" + std::to_string(i + 1) + "\n";
        text += "name P" + std::to_string(i) + "\n" + next + next + "[end]\n";
    }
    text += "name P23\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    const auto result = RunStock({"model", "-"}, text);
    const auto model = ModelOf(result);
    ASSERT_EQ(model["notes"].Size(), 1u);
    const std::string note = model["notes"][0].String();
    EXPECT_THAT(note, HasSubstr("include budget spent"));
    EXPECT_EQ(result.err, "note: " + note + "\n");
    EXPECT_EQ(model["messages"].Size(), 0u);
    EXPECT_GT(model["mainList"].Size(), 0u);

    EXPECT_EQ(ModelOf(RunStock({"model", "-"}, "name Small\n"))["notes"].Size(), 0u);
}

TEST(ModelCommand, TheProgramFolderComesFromTheEnvironmentWhenNotGiven) {
    TempFolder folder;
    folder.Write("Stock/p.stk", "name P\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n");
    folder.Write("stock index", "P\tStock/p.stk\r\n");
    const std::string text = "include 0 0 0 p\n";
    EXPECT_EQ(ModelOf(RunStock({"model", "-"}, text,
                               {{"LUMTRAK_PROGRAM_DIR", folder.Path()}}))["mainList"]
                  .Size(),
              1u);
    EXPECT_EQ(ModelOf(RunStock({"model", "-"}, text))["mainList"].Size(), 0u);
}

}  // namespace
}  // namespace lumtrak::testing

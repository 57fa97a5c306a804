#include <gtest/gtest.h>

#include "loader_test_support.h"

namespace lumtrak::model {
namespace {

constexpr SideMask kLeft{{0, 1, 1, 0}};
constexpr SideMask kRight{{1, 0, 0, 1}};

const std::string kBogie =
    "name Bogie\n"
    "wheelbase 90\n"
    "length 999\n"
    "rect 30 60 90 0 0 0 0 0 0 0 0 0 1 1 1 [Left]\n"
    "fill 30 60 90 0 0 0 0 0 0 0 0 0 2/2/2 [Left]\n"
    "rect 30 60 90 0 0 0 0 0 0 0 0 0 3 3 3\n"
    "[end]\n";

TEST_F(LoaderTest, AnIncludeFindsItsPartInTheSameTextWithoutTheIndex) {
    WriteIndex({{"Bogie", "/nonexistent.stk"}});
    auto& model = Load("name Car\nlength 300\ninclude 300 600 30 bogie\n[end]\n" + kBogie);
    const auto panels = Panels(model.mainList);
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0]->vertices[0].x, 100 + 10);
    EXPECT_EQ(panels[0]->vertices[0].y, 200 + 20);
    EXPECT_EQ(panels[0]->vertices[0].z, 10 + 30);
    EXPECT_EQ(model.name, "Car");
    EXPECT_EQ(model.length, 300);    // the part's length does not reach the model
    EXPECT_EQ(model.wheelbase, 30);  // its wheelbase does
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoaderTest, ATurnedPartNegatesAcrossAndAlongAndExchangesSides) {
    auto& model = Load("include 0 0 0 !BOGIE\n[end]\n" + kBogie);
    const auto panels = Panels(model.mainList);
    ASSERT_EQ(panels.size(), 3u);
    const Panel& untaggedRect = *panels[0];
    const Panel& fill = *panels[1];
    const Panel& taggedRect = *panels[2];
    EXPECT_EQ(untaggedRect.vertices[0].x, -10);
    EXPECT_EQ(untaggedRect.vertices[0].y, -20);
    EXPECT_EQ(untaggedRect.vertices[0].z, 30);
    // A rect's own tag is exchanged twice and stays; a fill's once.
    EXPECT_EQ(taggedRect.sides, kLeft);
    EXPECT_EQ(fill.sides, kRight);
    EXPECT_EQ(untaggedRect.sides, SideMask::AllVisible());
}

TEST_F(LoaderTest, TheIncludeTagBecomesThePartsDefault) {
    const std::string part = "name P\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n";
    // Tag after the name, and (the later one winning) before and after it.
    EXPECT_EQ(Load("include 0 0 0 P [Left]\n[end]\n" + part).mainList->sides, kLeft);
    EXPECT_EQ(Load("include 0 0 0 [Right] P [Left]\n[end]\n" + part).mainList->sides, kLeft);
    // A tag directly before the name: the name after the tag is found.
    EXPECT_EQ(Load("include 0 0 0 [Left] P\n[end]\n" + part).mainList->sides, kLeft);
    // In a turned definition the include's own tag is exchanged before it is
    // handed on; the untagged rect in the part is exchanged again.
    const std::string outer = "name O\ninclude 0 0 0 P [Left]\n[end]\n";
    auto& turned = Load("include 0 0 0 !o\n[end]\n" + outer + part);
    ASSERT_NE(turned.mainList, nullptr);
    EXPECT_EQ(turned.mainList->sides, kLeft);
}

TEST_F(LoaderTest, WheelsAndTiltsAreIncludesToo) {
    const std::string part = "name W\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n";
    auto& model = Load("wheel 3 0 0 50 60 W\ntilt 6 0 0 W\nmotion1 0 0 0 W\n[end]\n" + part);
    const auto panels = Panels(model.mainList);
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[0]->vertices[0].x, 3);
    EXPECT_EQ(panels[1]->vertices[0].x, 2);
}

TEST_F(LoaderTest, TheFirstDefinitionOfANameWins) {
    const std::string text =
        "include 0 0 0 p\n[end]\n"
        "name P\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n"
        "name p\nrect 6 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n";
    auto& model = Load(text);
    ASSERT_EQ(Panels(model.mainList).size(), 1u);
    EXPECT_EQ(model.mainList->vertices[0].x, 1);
    // Through the index too: the first file's first definition.
    programFolder.Write("a.stk",
                        "name Q\nrect 9 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n"
                        "name Q\nrect 12 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n");
    programFolder.Write("b.stk", "name Q\nrect 15 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n");
    WriteIndex({{"q", "a.stk"}, {"Q", "b.stk"}});
    auto& indexed = Load("include 0 0 0 Q\n");
    ASSERT_EQ(Panels(indexed.mainList).size(), 1u);
    EXPECT_EQ(indexed.mainList->vertices[0].x, 3);
}

TEST_F(LoaderTest, IncludedPartsAreNeverHighlighted) {
    const std::string text = "include 0 0 0 P\n[end]\nname P\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    auto& model = Load(text, {0, text.size()}, true);
    ASSERT_NE(model.mainList, nullptr);
    EXPECT_EQ(model.mainList->colour, MakeColour(1, 1, 1));
}

TEST_F(LoaderTest, ANameLineWithTrailingBlanksIsNeverFound) {
    EXPECT_EQ(
        Load("include 0 0 0 P\n[end]\nname P \nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n").mainList,
        nullptr);
}

TEST_F(LoaderTest, PartsNotInTheTextAreFoundThroughTheIndex) {
    const std::string bogie = programFolder.Write("Stock/Bogies/bogie.stk", kBogie);
    const std::string loco = programFolder.Write(
        "Stock/loco.stk", "name Other\n[end]\nname Loco\ninclude 0 0 0 Bogie\n[end]\n");
    // A leading '#', any case of the key, backslashes and a relative path.
    WriteIndex({{"#loco", loco}, {"BOGIE", "Stock\\Bogies\\bogie.stk"}});
    auto& model = Load("include 0 0 0 Loco\ninclude 3 0 0 loco\n");
    EXPECT_EQ(Panels(model.mainList).size(), 6u);
    EXPECT_TRUE(messages.messages.empty());
    (void)bogie;
}

TEST_F(LoaderTest, IndexEntriesThatFailAreReportedAndTheSearchGoesOn) {
    const std::string empty = programFolder.Write("Stock/empty.stk", "");
    const std::string wrong = programFolder.Write("Stock/wrong.stk", "name Else\n");
    const std::string right = programFolder.Write("Stock/right.stk", kBogie);
    WriteIndex({{"bogie", programFolder / "Stock/missing.stk"},
                {"bogie", empty},
                {"bogie", wrong},
                {"bogie", right}});
    auto& model = Load("include 0 0 0 bogie\n");
    EXPECT_EQ(Panels(model.mainList).size(), 3u);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "Can't open file");
    EXPECT_EQ(messages.messages[0].caption, programFolder / "Stock/missing.stk");
    EXPECT_EQ(messages.messages[1].caption, empty);
}

TEST_F(LoaderTest, AMissingIndexOrPartIsSilent) {
    EXPECT_EQ(Load("include 0 0 0 nowhere\n").mainList, nullptr);
    WriteIndex({{"other", "x"}});
    EXPECT_EQ(Load("include 0 0 0 nowhere\n").mainList, nullptr);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoaderTest, LongIndexLinesAreReadIn249CharacterPieces) {
    const std::string part = programFolder.Write("p.stk", kBogie);
    // The second piece of an overlong line is a line of its own.
    const std::string longKey(249, 'k');
    programFolder.Write("Stock Index", longKey + "bogie\t" + part + "\r\n");
    EXPECT_EQ(Panels(Load("include 0 0 0 bogie\n").mainList).size(), 3u);
}

TEST_F(LoaderTest, ReloadingSeesAChangedPartFile) {
    const std::string part = programFolder.Write("p.stk", kBogie);
    WriteIndex({{"bogie", part}});
    EXPECT_EQ(Panels(Load("include 0 0 0 bogie\n").mainList).size(), 3u);
    programFolder.Write("p.stk", "name Bogie\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n");
    EXPECT_EQ(Panels(Load("include 0 0 0 bogie\n").mainList).size(), 1u);
    WriteIndex({{"other", part}});
    EXPECT_EQ(Load("include 0 0 0 bogie\n").mainList, nullptr);
}

TEST_F(LoaderTest, IncludeCyclesPlaceNothingAndStop) {
    // A part that includes itself, and two parts that include each other.
    auto& self = Load("name A\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\ninclude 0 0 0 A\n[end]\n");
    EXPECT_EQ(Panels(self.mainList).size(), 1u);
    auto& pair = Load(
        "include 0 0 0 A\n[end]\n"
        "name A\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\ninclude 0 0 0 B\ninclude 0 0 0 B\n[end]\n"
        "name B\nrect 0 0 0 0 0 0 0 0 0 0 0 0 2 2 2\ninclude 0 0 0 A\ninclude 0 0 0 A\n[end]\n");
    EXPECT_EQ(Panels(pair.mainList).size(), 3u);
    // Across files through the index too.
    const std::string a = programFolder.Write("a.stk", "name A\ninclude 0 0 0 B\n[end]\n");
    const std::string b = programFolder.Write(
        "b.stk", "name B\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\ninclude 0 0 0 A\n[end]\n");
    WriteIndex({{"A", a}, {"B", b}});
    EXPECT_EQ(Panels(Load("include 0 0 0 A\n").mainList).size(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoaderTest, IncludesNestAtMost64Deep) {
    // Part k includes part k + 1; each has one panel.
    std::string text = "include 0 0 0 p0\n[end]\n";
    for (int k = 0; k < 100; ++k) {
        text += "name p" + std::to_string(k) +
                "\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\ninclude 0 0 0 p" + std::to_string(k + 1) +
                "\n[end]\n";
    }
    EXPECT_EQ(Panels(Load(text).mainList).size(), 64u);
}

TEST_F(LoaderTest, AnIncludedPartClearsTheOpenGroupOfItsIncluder) {
    // The rect after the include is no longer grouped; the closing "}" then
    // adds the head with the chain it had.
    auto& model = Load(
        "{\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\ninclude 0 0 0 P\n"
        "rect 6 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n}\n[end]\n"
        "name P\nrect 9 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n");
    const auto panels = Panels(model.mainList);
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0]->vertices[0].x, 1);  // the head, added last
    EXPECT_EQ(panels[1]->vertices[0].x, 2);
    EXPECT_EQ(panels[2]->vertices[0].x, 3);
}

}  // namespace
}  // namespace lumtrak::model

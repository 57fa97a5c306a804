#include "model/definition_loader.h"

#include <gtest/gtest.h>

#include "loader_test_support.h"
#include "model/materials.h"
#include "model/wrapping.h"

namespace lumtrak::model {
namespace {

constexpr SideMask kLeft{{0, 1, 1, 0}};
constexpr SideMask kRight{{1, 0, 0, 1}};

TEST_F(LoaderTest, PanelsGoToTheFrontOfTheMainList) {
    auto& model = Load(
        "name Test\n"
        "FILL 0/0/0 300/0/0 300/0/150 0/0/150 255/0/0 [Left]\n"
        "rect 0 0 0 10 0 0 10 0 10 0 0 10 300 0 0\n"
        "line 3 6 9 30 60 90 3 6 9 12 15 18 1 2 3 40 5 -6 [Right]\n");
    const auto panels = Panels(model.mainList);
    ASSERT_EQ(panels.size(), 3u);
    const Panel& line = *panels[0];
    const Panel& rect = *panels[1];
    const Panel& fill = *panels[2];
    EXPECT_EQ(fill.kind, PanelKind::Fill);
    EXPECT_EQ(fill.colour, 0x000000FFu);
    EXPECT_EQ(fill.sides, kLeft);
    EXPECT_EQ(rect.kind, PanelKind::Rect);
    EXPECT_EQ(rect.colour, MakeColour(44, 0, 0));
    EXPECT_EQ(rect.vertices[1].x, 3);
    EXPECT_EQ(rect.sides, SideMask::AllVisible());
    EXPECT_EQ(line.kind, PanelKind::Line);
    EXPECT_EQ(line.vertices[1].y, 20);
    EXPECT_EQ(line.vertices[2].x, 1);  // swing amplitudes: value div 3
    EXPECT_EQ(line.vertices[3].z, 6);
    EXPECT_EQ(line.period, 40);
    EXPECT_EQ(line.phase1, 5);
    EXPECT_EQ(line.phase2, -6);
    EXPECT_EQ(line.sides, kRight);
    EXPECT_EQ(model.name, "Test");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoaderTest, MetricDividesByNineUntilImperial) {
    auto& model = Load(
        "metric\nrect 9 18 27 0 0 0 0 0 0 0 0 0 1 1 1\n"
        "imperial\nrect 9 18 27 0 0 0 0 0 0 0 0 0 1 1 1\n");
    const auto panels = Panels(model.mainList);
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[1]->vertices[0].z, 3);
    EXPECT_EQ(panels[0]->vertices[0].z, 9);
}

TEST_F(LoaderTest, PerformanceValuesFollowTheirUnitWords) {
    struct Case {
        std::string text;
        std::int32_t StockModel::*field;
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {"te 300 kN", &StockModel::tractiveEffort, 300},
        {"metric\nte 300 kN", &StockModel::tractiveEffort, 300},
        {"te 66000 lbf", &StockModel::tractiveEffort, 300},
        {"weight 40 tonnes", &StockModel::weight, 40000},
        {"weight 40 tons", &StockModel::weight, 40640},
        {"weight 40", &StockModel::weight, 40640},
        {"metric\nweight 40", &StockModel::weight, 40000},
        {"metric\nweight 40 tons", &StockModel::weight, 40640},
        {"power 1000 hp", &StockModel::power, 747},
        {"power 1000 kW", &StockModel::power, 1000},
        {"brakerate 7", &StockModel::brakeRate, 7},
        {"length 600", &StockModel::length, 600},
        {"metric\nlength 600", &StockModel::length, 198},
        {"wheelbase 600", &StockModel::wheelbase, 200},
        {"metric\nwheelbase 600", &StockModel::wheelbase, 66},
        {"number 47 %d-a # b", &StockModel::number, 47},
        {"hide", &StockModel::component, 1},
        {"Component", &StockModel::component, 1},
        {"linear", &StockModel::linear, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.text).*c.field, c.expected) << c.text;
    }
    EXPECT_EQ(Load("max 100 kmh").maxSpeed, 62);
    EXPECT_EQ(Load("max 100").maxSpeed, 100);
    EXPECT_EQ(Load("metric\nmax 100 mph").maxSpeed, 100);
    EXPECT_EQ(Load("name x").brakeRate, 2);
}

TEST_F(LoaderTest, ArithmeticOnFileValuesWrapsAt32Bits) {
    // length: (v div 3) x 3; the default cab 2 lies at length - 30.
    auto& low = Load("length -2147483648\n");
    EXPECT_EQ(low.length, -2147483646);
    EXPECT_EQ(low.cab2, (CabPoint{-25, -28, 95}));  // -2147483676 wraps to 0x7FFFFFE4
    // cab 2 along = length - cab 1 along: 2147483646 + 3 wraps to 0x80000001.
    auto& high = Load("length 2147483647\ncab 1 -9 3\n");
    EXPECT_EQ(high.cab1, (CabPoint{0, -3, 1}));
    EXPECT_EQ(high.cab2, (CabPoint{0, 1, 1}));
    EXPECT_EQ(Load("power 21474837 hp").power, -16025995);    // 100 v wraps negative
    EXPECT_EQ(Load("weight 2147483647 tons").weight, -1016);  // 1016 v wraps
    EXPECT_EQ(Load("weight -2147483648 tonnes").weight, 0);
    // Offsets of nested includes add up and wrap.
    const std::string part =
        "[end]\nname P\ninclude 2147483647 0 0 Q\n[end]\n"
        "name Q\nrect 2147483647 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    auto& nested = Load("include 2147483647 0 0 P\n" + part);
    ASSERT_NE(nested.mainList, nullptr);
    EXPECT_EQ(nested.mainList->vertices[0].x, Low16(WrapMultiply(715827882, 3)));
}

TEST_F(LoaderTest, MaxSpeedInKilometresPerHourIsStored16BitThenConverted) {
    EXPECT_EQ(Load("max 16100 kmh").maxSpeed, 10062);  // div 161 would give 10000
    EXPECT_EQ(Load("max 100 kph").maxSpeed, 62);
    EXPECT_EQ(Load("max 40000 kmh").maxSpeed, -15960);  // 40000 is -25536 in 16 bits
    EXPECT_EQ(Load("max 70000").maxSpeed, 4464);
}

TEST_F(LoaderTest, TextProperties) {
    auto& model = Load(
        "name Class 47 # diesel\n"
        "description Fast\tgoods\n"
        "sound diesel.wav x\n"
        "unit 2\xE9tage\n"
        "number 1234 %04d-b [Left]\n");
    EXPECT_EQ(model.name, "Class 47 # diesel");
    EXPECT_EQ(model.description, "Fast");
    EXPECT_EQ(model.sound, "diesel.wav x");
    EXPECT_EQ(model.unitText, "2");
    EXPECT_EQ(model.number, 1234);
    EXPECT_EQ(model.numberText, "%04d-b ");
}

TEST_F(LoaderTest, CabViewpointsAndTheirGuard) {
    EXPECT_EQ(Load("cab 30 60 90").cab1, (CabPoint{0, 0, 0}));  // first line of the text
    auto& model = Load("length 300\ncab 30 60 90\n");
    EXPECT_EQ(model.cab1, (CabPoint{10, 20, 30}));
    EXPECT_EQ(model.cab2, (CabPoint{-10, 300 - 20, 30}));
    EXPECT_EQ(Load("x\ncab2 3 6 9\n").cab2, (CabPoint{1, 2, 3}));
    EXPECT_EQ(Load("x # cab 3 6 9\n").cab1, (CabPoint{0, 0, 0}));
    // A length with no cab yet sets default viewpoints.
    auto& defaults = Load("length 600\n");
    EXPECT_EQ(defaults.cab1, (CabPoint{25, 30, 95}));
    EXPECT_EQ(defaults.cab2, (CabPoint{-25, 570, 95}));
    // "length" counts only after a blank or at the start.
    EXPECT_EQ(Load("xlength 600").length, 0);
}

TEST_F(LoaderTest, StatementWordsAreFoundInsideOtherText) {
    // The comment is skipped whole, ü and all.
    EXPECT_EQ(Load("# K\xFChlwagen te 5000\n").tractiveEffort, 0);
    // After panel data the scan goes on inside the trailing comment.
    auto& model = Load("fill 0 0 0 0 0 0 0 0 0 0 0 0 1/1/1 # renamed\n");
    EXPECT_EQ(model.name, "d");
    // "te" inside "state" is a statement.
    EXPECT_EQ(Load("state 2200 lb\n").tractiveEffort, 10);
}

TEST_F(LoaderTest, GroupsCarryTheirPanelsUnderTheHead) {
    auto& model = Load(
        "{ fill 3 0 0 0 0 0 0 0 0 0 0 0\n"
        "fill 6 0 0 0 0 0 0 0 0 0 0 0\n"
        "fill 9 0 0 0 0 0 0 0 0 0 0 0\n}\n");
    const auto panels = Panels(model.mainList);
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0]->vertices[0].x, 1);
    const auto chain = Panels(panels[0]->subPanels);
    ASSERT_EQ(chain.size(), 2u);
    EXPECT_EQ(chain[0]->vertices[0].x, 2);
    EXPECT_EQ(chain[1]->vertices[0].x, 3);
    EXPECT_EQ(model.groupOpen, 0);
    // A "}" in a fill's tail belongs to the tail and closes nothing.
    EXPECT_TRUE(Panels(Load("{ fill 3 0 0 0 0 0 0 0 0 0 0 0 }\n").mainList).empty());

    // Written without a blank, the f after "{" is passed over.
    EXPECT_TRUE(Panels(Load("{fill 3 0 0 0 0 0 0 0 0 0 0 0\n}\n").mainList).empty());
    // A second "{" discards the open group.
    auto& discarded = Load("{ fill 3 0 0 0 0 0 0 0 0 0 0 0\n{ fill 6 0 0 0 0 0 0 0 0 0 0 0\n}\n");
    ASSERT_EQ(Panels(discarded.mainList).size(), 1u);
    EXPECT_EQ(discarded.mainList->vertices[0].x, 2);
}

TEST_F(LoaderTest, AnUnclosedGroupIsFreedWhereverLoadingEnds) {
    for (const char* text :
         {"{ fill 3 0 0 0 0 0 0 0 0 0 0 0\n",
          "{ fill 3 0 0 0 0 0 0 0 0 0 0 0\n[end]\nfill 0 0 0 0 0 0 0 0 0 0 0 0\n",
          "{ fill 3 0 0 0 0 0 0 0 0 0 0 0\n   "}) {
        auto& model = Load(text);
        EXPECT_EQ(model.groupHead, nullptr) << text;
        EXPECT_EQ(model.mainList, nullptr) << text;
    }
}

TEST_F(LoaderTest, LightsAndSeeThroughTexturesGoToTheirOwnList) {
    auto& model = Load(
        "fill 0 0 0 0 0 0 0 0 0 0 0 0 *headlight\n"
        "fill 0 0 0 0 0 0 0 0 0 0 0 0 *taillight\n"
        "fill 0 0 0 0 0 0 0 0 0 0 0 0 \"#glass.bmp\" 1 1 1\n"
        "fill 0 0 0 0 0 0 0 0 0 0 0 0 \"body.bmp\" 1 1 1\n");
    const auto seeThrough = Panels(model.seeThroughList);
    ASSERT_EQ(seeThrough.size(), 3u);
    EXPECT_EQ(seeThrough[2]->kind, PanelKind::Headlight);
    EXPECT_EQ(seeThrough[2]->material, kHeadlight);
    EXPECT_EQ(seeThrough[1]->kind, PanelKind::Taillight);
    EXPECT_EQ(textures.TextureName(seeThrough[0]->texture), "#glass.bmp");
    ASSERT_EQ(Panels(model.mainList).size(), 1u);
}

TEST_F(LoaderTest, ANamedMaterialAtTheLineEndEndsTheTail) {
    // Lines end with LF alone, CR LF, or the end of the text: the next line is
    // never read as part of the tail, and no overrun is reported.
    for (const char* end : {"\n", "\r\n"}) {
        auto& model = Load(std::string("fill 0 0 0 0 0 0 0 0 0 0 0 0 *Glass") + end +
                           "fill 3 0 0 0 0 0 0 0 0 0 0 0 *headlight");
        EXPECT_EQ(Panels(model.mainList).size(), 1u) << end;
        EXPECT_EQ(Panels(model.seeThroughList).size(), 1u) << end;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoaderTest, HighlightColoursThePanelsOfTheSelectedLines) {
    const std::string text =
        "rect 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n"
        "rect 0 0 0 0 0 0 0 0 0 0 0 0 2 2 2\n"
        "fill 0 0 0 0 0 0 0 0 0 0 0 0 3/3/3\n"
        "fill 0 0 0 0 0 0 0 0 0 0 0 0 4/4/4\n";
    const std::size_t second = text.find("rect", 1);
    const std::size_t third = text.find("fill");
    // A caret inside the second line highlights it alone.
    auto panels = Panels(Load(text, {second + 3, second + 3}, true).mainList);
    ASSERT_EQ(panels.size(), 4u);
    EXPECT_EQ(panels[3]->colour, MakeColour(1, 1, 1));
    EXPECT_EQ(panels[2]->colour, kHighlightColour);
    EXPECT_EQ(panels[1]->colour, MakeColour(3, 3, 3));
    // A selection ending at a line end reaches into the next non-blank line.
    panels = Panels(Load(text, {second, third - 1}, true).mainList);
    EXPECT_EQ(panels[2]->colour, kHighlightColour);
    EXPECT_EQ(panels[1]->colour, kHighlightColour);
    EXPECT_EQ(panels[0]->colour, MakeColour(4, 4, 4));
    // Without the flag nothing is highlighted.
    panels = Panels(Load(text, {second, third}, false).mainList);
    EXPECT_EQ(panels[2]->colour, MakeColour(2, 2, 2));
}

TEST_F(LoaderTest, AFillRunningPastTheEndOfTheTextIsReportedAndKept) {
    auto& model = Load("name Short\nfill 0 0 0 0 0 0 0 0 0 0 0 3");
    EXPECT_EQ(Panels(model.mainList).size(), 1u);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              (platform::Message{"Lumtrak Stock Editor", "ReadP overrun: Short"}));
}

TEST_F(LoaderTest, TheDefinitionStartsAfterTheNearestEndBeforeTheCaret) {
    const std::string text = "name A\nhide\n[END]\nname B\nlength 300\n[end]\nname C\n";
    EXPECT_EQ(Load(text, {2, 2}).name, "A");
    const std::size_t inB = text.find("length");
    auto& b = Load(text, {inB, inB});
    EXPECT_EQ(b.name, "B");
    EXPECT_EQ(b.component, 0);
    EXPECT_EQ(b.length, 300);
    EXPECT_EQ(FindDefinitionStart(DefinitionText(text), text.size()), text.find("\nname C"));
}

TEST_F(LoaderTest, DestroyingAMillionPanelsDoesNotExhaustTheStack) {
    auto model = std::make_unique<StockModel>();
    for (int i = 0; i < 1'000'000; ++i) {
        auto panel = std::make_unique<Panel>();
        panel->next = std::move(model->mainList);
        model->mainList = std::move(panel);
    }
    model->groupOpen = 1;
    for (int i = 0; i < 1'000'000; ++i)
        AddPanel(*model, std::make_unique<Panel>(), textures);
    model.reset();
    SUCCEED();
}

}  // namespace
}  // namespace lumtrak::model

// What bounds a load besides its text: the include budget, and index entries
// that are no regular files.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "loader_test_support.h"
#include "support/deadline.h"
#include "support/fifo.h"

namespace lumtrak::model {
namespace {

using namespace std::chrono_literals;

// Parts P0 to P{levels - 1}, each including the next one twice; the last one
// holds one panel. P0 thus places 2^(levels - 1) panels.
std::string FanOut(int levels) {
    std::string text = "name Top\ninclude 0 0 0 P0\n[end]\n";
    for (int i = 0; i + 1 < levels; ++i) {
        const std::string next = "include 0 0 0 P" + std::to_string(i + 1) + "\n";
        text += "name P" + std::to_string(i) + "\n" + next + next + "[end]\n";
    }
    return text + "name P" + std::to_string(levels - 1) +
           "\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n";
}

std::size_t CountPanels(const StockModel& model) {
    std::size_t count = 0;
    for (const Panel* p = model.mainList.get(); p != nullptr; p = p->next.get())
        ++count;
    return count;
}

class IncludeBudgetTest : public LoaderTest {
  protected:
    // Loads with the given limits, keeping the environment for a look at it.
    StockModel& LoadWithin(const LoadLimits& limits, std::string bytes) {
        text_ = std::move(bytes);
        environment_ = std::make_unique<LoadEnvironment>(messages, textures, includes);
        environment_->limits = limits;
        model_ = std::make_unique<StockModel>();
        LoadDefinitionAt(*model_, DefinitionText(text_), {}, false, *environment_);
        return *model_;
    }
    const std::vector<std::string>& Notes() const { return environment_->notes; }

    std::string text_;
    std::unique_ptr<LoadEnvironment> environment_;
    std::unique_ptr<StockModel> model_;
};

TEST_F(IncludeBudgetTest, ARepeatedFanOutStopsAtTheIncludeBudgetWithOneNote) {
    // 2^23 copies without a budget; the default budget ends it after 100,000
    // include resolutions.
    auto& model = LoadWithin(LoadLimits{}, FanOut(24));
    EXPECT_GT(CountPanels(model), 0u);
    EXPECT_LE(CountPanels(model), LoadLimits{}.includes);
    EXPECT_EQ(environment_->budget.includes, LoadLimits{}.includes + 1);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], LoadBudgetNote(LoadLimits{}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(IncludeBudgetTest, WithinTheBudgetEverythingIsPlacedAndNothingNoted) {
    auto& model = LoadWithin(LoadLimits{}, FanOut(10));
    EXPECT_EQ(CountPanels(model), 512u);
    EXPECT_TRUE(Notes().empty());
}

TEST_F(IncludeBudgetTest, PastThePanelBudgetIncludesPlaceNothingButTheOwnPanelsStay) {
    LoadLimits limits;
    limits.panels = 100;
    // 256 panels through includes, then three of the definition's own.
    const std::string own = "rect 6 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    std::string text = FanOut(9);
    text.insert(text.find("[end]"), own + own + own);
    auto& model = LoadWithin(limits, text);
    EXPECT_EQ(CountPanels(model), 100u + 3u);
    EXPECT_EQ(model.mainList->vertices[0].x, 2);
    EXPECT_EQ(Notes().size(), 1u);
}

TEST_F(IncludeBudgetTest, TheTextsOwnPanelsStopAtACountOfTheirOwnWithOneNote) {
    LoadLimits limits;
    limits.ownPanels = 5;
    std::string text;
    for (int i = 0; i < 8; ++i)
        text += "fill\n";
    auto& model = LoadWithin(limits, text);
    EXPECT_EQ(CountPanels(model), 5u);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], OwnPanelBudgetNote(limits));
    EXPECT_EQ(Notes()[0],
              "panel budget spent: further panels placed nothing (a load places at "
              "most 5 panels of its own text)");
}

TEST_F(IncludeBudgetTest, AnIncludedFileLargerThanTheBudgetIsNotRead) {
    LoadLimits limits;
    limits.includedBytes = 1000;
    programFolder.Write("big.stk",
                        "name Big\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n" + std::string(1000, '#'));
    programFolder.Write("small.stk", "name Small\nrect 4 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n");
    WriteIndex({{"Big", "big.stk"}, {"Small", "small.stk"}});
    auto& model = LoadWithin(limits, "include 0 0 0 Big\ninclude 0 0 0 Small\n");
    // Past the budget nothing more is placed, the small part included.
    EXPECT_EQ(CountPanels(model), 0u);
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], LoadBudgetNote(limits));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(IncludeBudgetTest, TheTextReadByIncludedDefinitionsIsBounded) {
    LoadLimits limits;
    limits.includedBytes = 10'000;
    // A part of 1,000 bytes of comment and then a panel, included 100 times.
    std::string text = "name Top\n";
    for (int i = 0; i < 100; ++i)
        text += "include 0 0 0 Long\n";
    text += "[end]\nname Long\n# " + std::string(1000, 'x') +
            "\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n[end]\n";
    auto& model = LoadWithin(limits, text);
    EXPECT_GE(CountPanels(model), 9u);
    EXPECT_LE(CountPanels(model), 10u);
    EXPECT_EQ(Notes().size(), 1u);
}

TEST_F(IncludeBudgetTest, EveryTopLevelLoadStartsWithAFullBudget) {
    LoadLimits limits;
    limits.includes = 3;
    auto& first = LoadWithin(limits, FanOut(3));
    // P0, P1, P2 once: the fourth include, of P2 again, is past the budget.
    EXPECT_EQ(CountPanels(first), 1u);
    EXPECT_EQ(Notes().size(), 1u);
    StockModel second;
    LoadDefinitionAt(second, DefinitionText(text_), {}, false, *environment_);
    EXPECT_EQ(CountPanels(second), 1u);
    EXPECT_EQ(Notes().size(), 2u);  // notes are appended, one for each load
}

using testing::Fifo;

TEST_F(LoaderTest, AStockIndexThatIsAFifoIsAMissingIndex) {
    const Fifo fifo(programFolder, "Stock Index");
    const StockModel* model = nullptr;
    EXPECT_TRUE(testing::FinishesWithin(
        5s, [&] { model = &Load("include 0 0 0 P\n"); }, [&] { fifo.ReleaseReaders(); }));
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->mainList, nullptr);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(LoaderTest, AnIndexEntryNamingAFifoCannotBeOpenedAndTheSearchGoesOn) {
    const Fifo fifo(programFolder, "pipe.stk");
    programFolder.Write("p.stk", "name P\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n");
    WriteIndex({{"P", fifo.path}, {"P", "p.stk"}});
    const StockModel* model = nullptr;
    EXPECT_TRUE(testing::FinishesWithin(
        5s, [&] { model = &Load("include 0 0 0 P\n"); }, [&] { fifo.ReleaseReaders(); }));
    ASSERT_NE(model, nullptr);
    ASSERT_NE(model->mainList, nullptr);
    EXPECT_EQ(model->mainList->vertices[0].x, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (platform::Message{fifo.path, "Can't open file"}));
}

}  // namespace
}  // namespace lumtrak::model

#include "stockindex/index_lines.h"
#include "stockindex/stock_index.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumtrak::stockindex {
namespace {

using ::testing::ElementsAre;

TEST(IndexLines, CrLfAndLfReadAlikeAndLongLinesArriveInPieces) {
    const std::string name(260, 'n');
    const IndexLines lines("NODE\r\nA\nx\r\r\n" + name + "\tp\r\nlast");
    EXPECT_THAT(lines.Pieces(), ElementsAre("NODE\n", "A\n", "x\r\n", std::string(249, 'n'),
                                            std::string(11, 'n') + "\tp\n", "last"));
}

TEST(IndexLines, EntriesDropOneMarkAndKeepWhatFollowsTheFirstTab) {
    EXPECT_EQ(ReadEntry("#Bogie\t/a/b.stk\n"), (IndexEntry{"Bogie", "/a/b.stk", true}));
    EXPECT_EQ(ReadEntry("##x\ty\tz"), (IndexEntry{"#x", "y\tz", true}));
    EXPECT_EQ(ReadEntry("\t\n"), (IndexEntry{"", "", false}));
    EXPECT_EQ(ReadEntry("End NODE\n"), std::nullopt);
    EXPECT_THAT(ReadIndexEntries("NODE\r\nA\r\nX\t/p/x.stk\r\n#Y\t/p/y.stk\nEnd NODE"),
                ElementsAre(IndexEntry{"X", "/p/x.stk", false}, IndexEntry{"Y", "/p/y.stk", true}));
}

TEST(IndexLines, TheNamePrefixLookupTakesTheFirstLineThatBeginsWithTheName) {
    const IndexLines lines("NODE\r\n#Class 40 bogie\t/s/bogie.stk\r\nClass 40\t/s/c40.stk\r\n");
    EXPECT_EQ(FindByNamePrefix(lines, "CLASS 40"), " bogie\t/s/bogie.stk\n");
    EXPECT_EQ(FindByNamePrefix(lines, "class 40 BOGIE"), "\t/s/bogie.stk\n");
    EXPECT_EQ(FindByNamePrefix(lines, ""), "NODE\n");
    EXPECT_EQ(FindByNamePrefix(lines, "Class 47"), std::nullopt);
    EXPECT_EQ(FindByNamePrefix(lines, "NODE\nX"), std::nullopt);
}

TEST(IndexLines, TheIncludeLookupFindsEveryPathOfANameInFileOrder) {
    const StockIndex index = StockIndex::Parse(
        "NODE\r\nBogie\t/s/a.stk\r\n#BOGIE\tC:\\s\\b.stk\nbogie2\t/s/c.stk\r\nEnd NODE");
    EXPECT_THAT(index.PathsFor("bogie"), ElementsAre("/s/a.stk", "C:/s/b.stk"));
    EXPECT_THAT(index.PathsFor("bogie2"), ElementsAre("/s/c.stk"));
    EXPECT_TRUE(index.PathsFor("node").empty());
}

}  // namespace
}  // namespace lumtrak::stockindex

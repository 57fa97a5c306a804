#include "stockindex/rebuild.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <unistd.h>

#include <filesystem>

#include "stock_index_test_support.h"
#include "stockindex/definition_file_names.h"
#include "stockindex/index_file.h"
#include "stockindex/index_lines.h"
#include "support/deadline.h"
#include "support/fifo.h"

namespace lumtrak::stockindex {
namespace {

using ::testing::ElementsAre;
using namespace std::chrono_literals;

TEST_F(StockIndexTest, ATreeOfFoldersOnlyEndsWithAnUnmatchedEndNode) {
    const auto startFolder = std::filesystem::current_path();
    program.Write("Stock/A/x.stk", "name X\r\nfill 0 0 0\r\n[end]\r\n");
    std::filesystem::create_directories(program.Path() / "Stock/B");
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(), "NODE\r\nA\r\nX\t" + PathOf("Stock/A/x.stk") +
                           "\r\nEnd NODE\r\nNODE\r\nB\r\nEnd NODE\r\nEnd NODE\r\n");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_THAT(status.texts, ElementsAre(PathOf("Stock"), PathOf("Stock/A"), PathOf("Stock/B"),
                                          "Stock Index complete"));
    EXPECT_THAT(status.busyChanges, ElementsAre(true, false));
    // The folders are walked where they are, without entering them.
    EXPECT_EQ(std::filesystem::current_path(), startFolder);
}

TEST_F(StockIndexTest, FoldersAndFilesGoInNameOrderSubFoldersBeforeFilesTreesInTurn) {
    program.Write("Stock/b.stk", "name B\n");
    program.Write("Stock/a.STK", "name A1\n[end]\nname A2\ncomponent\n");
    program.Write("Stock/Z/deep/z.stk", "name Z\n");
    program.Write("Stock/Z/y.stk", "name Y\nhide\n");
    program.Write("Stock/Z/notes.txt", "name Not indexed\n");
    program.Write("Stock/Y_/.x.stk", "name Hidden file\n");
    program.Write("Stock/.git/c.stk", "name Hidden folder\n");
    program.Write("QZV/stock/q.stk", "name Q\n");
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(),
              "NODE\r\nY_\r\nEnd NODE\r\n"
              "NODE\r\nZ\r\n"
              "NODE\r\ndeep\r\nZ\t" +
                  PathOf("Stock/Z/deep/z.stk") +
                  "\r\nEnd NODE\r\n"
                  "#Y\t" +
                  PathOf("Stock/Z/y.stk") +
                  "\r\nEnd NODE\r\n"
                  "A1\t" +
                  PathOf("Stock/a.STK") +
                  "\r\n"
                  "#A2\t" +
                  PathOf("Stock/a.STK") +
                  "\r\n"
                  "B\t" +
                  PathOf("Stock/b.stk") +
                  "\r\n"
                  "Q\t" +
                  PathOf("QZV/stock/q.stk") + "\r\n");
}

TEST_F(StockIndexTest, WhatTheRebuildWritesReadsBackAsTheSameEntries) {
    const std::string parts = "name Class 40 bogie\nhide\n[end]\nname Class 40 axle  \n[end]\n";
    const std::string loco = "NAME Class 40 // diesel\n[end]\n";
    program.Write("Stock/Parts/parts.stk", parts);
    program.Write("Stock/Locomotives/loco.stk", loco);
    ASSERT_TRUE(Rebuild());

    std::vector<IndexEntry> expected;
    for (const auto& [relative, bytes] : {std::pair{"Stock/Locomotives/loco.stk", loco},
                                          std::pair{"Stock/Parts/parts.stk", parts}}) {
        for (const auto& indexed : IndexedNames(bytes))
            expected.push_back({indexed.name, PathOf(relative), indexed.marked});
    }
    EXPECT_EQ(ReadIndexEntries(Index()), expected);
    EXPECT_EQ(expected.size(), 3u);
}

TEST_F(StockIndexTest, AFileThatCannotBeReadIsReportedAndTheScanGoesOn) {
    program.Write("Stock/a.stk", "");
    program.Write("Stock/b.stk", "name B\n");
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(), "B\t" + PathOf("Stock/b.stk") + "\r\n");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, PathOf("Stock/a.stk"));
}

TEST_F(StockIndexTest, AProgramFolderWithoutStockTreesGetsAnEmptyIndex) {
    WriteIndex("Old\t/old.stk\r\n");
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(), "");
    EXPECT_THAT(status.texts, ElementsAre("Stock Index complete"));
}

TEST_F(StockIndexTest, EveryFolderIsWalkedOnceByTheFirstWayToIt) {
    program.Write("Stock/A/a.stk", "name A\n");
    program.Write("Stock/C/c.stk", "name C\n");
    std::filesystem::create_directory_symlink(program.Path() / "Stock",
                                              program.Path() / "Stock/A/up");
    std::filesystem::create_directory_symlink(program.Path() / "Stock/A",
                                              program.Path() / "Stock/B");
    std::filesystem::create_directory_symlink(program.Path() / "Stock/C",
                                              program.Path() / "Stock/Before C");
    ASSERT_TRUE(Rebuild());
    // "up" leads back round and B into A, walked already; "Before C" comes
    // first in name order, so C is walked through it.
    EXPECT_EQ(Index(), "NODE\r\nA\r\nA\t" + PathOf("Stock/A/a.stk") +
                           "\r\nEnd NODE\r\n"
                           "NODE\r\nBefore C\r\nC\t" +
                           PathOf("Stock/Before C/c.stk") +
                           "\r\nEnd NODE\r\n"
                           "End NODE\r\n");
    const std::string indexed = "' skipped: the folder it leads to is indexed already";
    EXPECT_THAT(notes, ElementsAre("link '" + PathOf("Stock/A/up") + indexed,
                                   "link '" + PathOf("Stock/B") + indexed,
                                   "'" + PathOf("Stock/C") +
                                       "' skipped: its folder is indexed already through a link"));
}

TEST_F(StockIndexTest, LinksThatFanOutAreWalkedOncePerFolder) {
    // Each level links twice to the next: 2^30 ways down, 31 folders.
    constexpr int kLevels = 30;
    for (int level = 0; level <= kLevels; ++level)
        program.Write("Stock/levels/" + std::to_string(level) + "/p.stk", "name P\n");
    for (int level = 0; level < kLevels; ++level) {
        const auto folder = program.Path() / "Stock/levels" / std::to_string(level);
        const auto next = program.Path() / "Stock/levels" / std::to_string(level + 1);
        std::filesystem::create_directory_symlink(next, folder / "x");
        std::filesystem::create_directory_symlink(next, folder / "y");
    }
    ASSERT_TRUE(Rebuild());
    const std::string index = Index();
    std::size_t entries = 0;
    for (std::size_t at = index.find("P\t"); at != std::string::npos;
         at = index.find("P\t", at + 1))
        ++entries;
    EXPECT_EQ(entries, std::size_t(kLevels + 1));
}

TEST_F(StockIndexTest, NoLinkLeadsOutOfTheProgramFolder) {
    testing::TempFolder outside;
    outside.Write("o.stk", "name Outside\n");
    program.Write("Stock/a.stk", "name A\n");
    std::filesystem::create_directory_symlink(outside.Path(), program.Path() / "Stock/Out");
    std::filesystem::create_directory_symlink("/", program.Path() / "Stock/Root");
    std::filesystem::create_symlink(outside.Path() / "o.stk", program.Path() / "Stock/o.stk");
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(), "A\t" + PathOf("Stock/a.stk") + "\r\n");
    EXPECT_THAT(
        notes,
        ElementsAre(
            "link '" + PathOf("Stock/Out") + "' skipped: it leads out of the program folder",
            "link '" + PathOf("Stock/Root") + "' skipped: it leads out of the program folder",
            "link '" + PathOf("Stock/o.stk") + "' skipped: it leads out of the program folder"));
}

TEST_F(StockIndexTest, NamesWithALineBreakOrATabAreSkippedWithANote) {
    program.Write("Stock/a.stk", "name A\n");
    program.Write("Stock/b\nB.stk", "name Broken\n");
    program.Write("Stock/c\td/x.stk", "name Tabbed\n");
    program.Write("Stock/e\r.stk", "name Return\n");
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(), "A\t" + PathOf("Stock/a.stk") + "\r\n");
    const std::string why = "' skipped: the index cannot hold a name with a line break or a tab";
    EXPECT_THAT(notes,
                ElementsAre("'" + PathOf("Stock/c\td") + why, "'" + PathOf("Stock/b\nB.stk") + why,
                            "'" + PathOf("Stock/e\r.stk") + why));
}

TEST_F(StockIndexTest, AFileOfGigabytesIsSkippedWithANoteNotRead) {
    program.Write("Stock/a.stk", "name A\n");
    const std::string big = program.Write("Stock/big.stk", "name Big\n");
    ASSERT_EQ(::truncate(big.c_str(), off_t{4} << 30), 0);  // sparse: no disk taken
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(), "A\t" + PathOf("Stock/a.stk") + "\r\n");
    EXPECT_THAT(notes, ElementsAre("'" + PathOf("Stock/big.stk") + "' skipped: it is larger than " +
                                   std::to_string(256 << 20) + " bytes"));
}

TEST_F(StockIndexTest, AFileThatIsAFifoIsReportedWithoutWaiting) {
    program.Write("Stock/x.stk", "name X\n");
    const testing::Fifo fifo(program, "Stock/pipe.stk");
    bool written = false;
    EXPECT_TRUE(testing::FinishesWithin(
        5s, [&] { written = Rebuild(); }, [&] { fifo.ReleaseReaders(); }));
    EXPECT_TRUE(written);
    EXPECT_EQ(Index(), "X\t" + PathOf("Stock/x.stk") + "\r\n");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (platform::Message{fifo.path, "Can't open file"}));
}

TEST_F(StockIndexTest, WhenTheNewIndexCannotBeWrittenTheOldOneStays) {
    program.Write("Stock/a.stk", "name A\n");
    WriteIndex("Old\t/old.stk\r\n");
    ::chmod(PathOf("Stock Index").c_str(), 0444);
    EXPECT_FALSE(Rebuild());
    EXPECT_EQ(Index(), "Old\t/old.stk\r\n");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, PathOf("Stock Index"));
    EXPECT_EQ(messages.messages[0].text, "Can't write file");
    EXPECT_TRUE(status.texts.empty());
}

TEST_F(StockIndexTest, ALinkedIndexKeepsItsLinkItsModeAndItsOtherName) {
    program.Write("Stock/a.stk", "name A\n");
    const std::string real = program.Write("shared/index", "Old\t/old.stk\r\n");
    ::chmod(real.c_str(), 0600);
    std::filesystem::create_symlink("shared/index", program.Path() / "Stock Index");
    ASSERT_TRUE(Rebuild());
    EXPECT_TRUE(std::filesystem::is_symlink(program.Path() / "Stock Index"));
    EXPECT_EQ(testing::ReadFileBytes(real), "A\t" + PathOf("Stock/a.stk") + "\r\n");
    struct stat info {};
    ::stat(real.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_F(StockIndexTest, TwoRebuildsAtOnceEachInstallAWholeIndex) {
    for (int i = 0; i < 200; ++i)
        program.Write("Stock/s" + std::to_string(i) + ".stk", "name Stock " + std::to_string(i));
    ASSERT_TRUE(Rebuild());
    const std::string whole = Index();
    WriteIndex("Old\r\n");
    // The first starts, the second starts and finishes, then the first finishes.
    NewIndexFile first(Folder(), messages);
    first.Writer().Write(whole.substr(0, whole.size() / 2));
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(Index(), whole);
    first.Writer().Write(whole.substr(whole.size() / 2));
    ASSERT_TRUE(first.Commit(notes));
    EXPECT_EQ(Index(), whole);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(StockIndexTest, AnIndexNamedInAnotherCaseIsReplacedInPlace) {
    program.Write("stock index", "Old\t/old.stk\r\n");
    program.Write("Stock/a.stk", "name A\n");
    ASSERT_TRUE(Rebuild());
    EXPECT_EQ(testing::ReadFileBytes(program.Path() / "stock index"),
              "A\t" + PathOf("Stock/a.stk") + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(program.Path() / "Stock Index"));
    EXPECT_FALSE(std::filesystem::exists(program.Path() / "stock index.new"));
}

}  // namespace
}  // namespace lumtrak::stockindex

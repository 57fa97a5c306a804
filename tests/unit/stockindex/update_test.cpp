#include "stockindex/update.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "stock_index_test_support.h"
#include "stockindex/index_lines.h"

namespace lumtrak::stockindex {
namespace {

using ::testing::ElementsAre;

std::string Block(const std::string& entries) {
    return "#####\r\nNODE\r\nUpdate\r\n" + entries + "End NODE\r\n#####\r\n";
}

TEST(UpdateBlock, TakesNameWhereverItStandsUpToTheLineEnd) {
    const auto block = MakeUpdateBlock(
        "Name Class 47 // diesel\r\nrename\r\n  Shunter#1\nnames:x\nname", "/d/loco.stk");
    EXPECT_EQ(block.lines, Block("Class 47 // diesel\t/d/loco.stk\r\n"
                                 "Shunter\t/d/loco.stk\r\n"
                                 "s:x\t/d/loco.stk\r\n"
                                 "\t/d/loco.stk\r\n"));
    EXPECT_EQ(block.nameList, "<Class 47 // diesel><Shunter><s:x><>");
    EXPECT_THAT(block.names, ElementsAre("Class 47 // diesel", "Shunter", "s:x", ""));
}

TEST_F(StockIndexTest, AnUpdatePutsTheDocumentOnTopAndRemovesItsOlderEntries) {
    WriteIndex(
        "NODE\r\nParts\r\n#Bogie\t/s/parts.stk\r\nAxle\t/s/parts.stk\r\n"
        "bogie\t/s/other.stk\r\nEnd NODE\r\nEnd NODE\r\n");
    ASSERT_TRUE(Update("name Bogie\nhide\n[end]\n", "/d/new.stk"));
    EXPECT_EQ(Index(), Block("Bogie\t/d/new.stk\r\n") +
                           "NODE\r\nParts\r\nAxle\t/s/parts.stk\r\n"
                           "bogie\t/s/other.stk\r\nEnd NODE\r\nEnd NODE\r\n");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_THAT(status.busyChanges, ElementsAre(true, false));
    EXPECT_FALSE(std::filesystem::exists(program.Path() / "Stock Index.new"));
}

TEST_F(StockIndexTest, ASecondUpdateReplacesTheFirstUpdatesBlock) {
    WriteIndex("A\t/s/a.stk\r\nB\t/s/b.stk\r\nC\t/s/c.stk\r\n");
    ASSERT_TRUE(Update("name A\n", "/d/first.stk"));
    ASSERT_TRUE(Update("name B\n", "/d/second.stk"));
    // A is gone until the next rebuild: its block went, and so did its entry.
    EXPECT_EQ(Index(), Block("B\t/d/second.stk\r\n") + "C\t/s/c.stk\r\n");
    // An update from a document never saved writes empty paths.
    ASSERT_TRUE(Update("name C\n", ""));
    EXPECT_EQ(Index(), Block("C\t\r\n"));
}

TEST(CopyPreviousIndex, AnEntryGoesWhereverItsKeyStandsInTheListOfNames) {
    const std::string previous =
        "a\t1\r\nc\t2\r\na><b\t3\r\n<a>\t4\r\nx\t5\r\ny>\t6\r\nb><x\t7\r\n";
    const auto kept = [&](std::string_view nameList) {
        StringIndexWriter out;
        CopyPreviousIndex(previous, nameList, out);
        return out.text;
    };
    // Names as they come: looked up one by one, and a key that spans two.
    EXPECT_EQ(kept("<a><b>"), "c\t2\r\n<a>\t4\r\nx\t5\r\ny>\t6\r\nb><x\t7\r\n");
    // A name that holds '>' makes keys stand in the list that are no name of it.
    EXPECT_EQ(kept("<x>y><b>"), "a\t1\r\nc\t2\r\na><b\t3\r\n<a>\t4\r\ny>\t6\r\nb><x\t7\r\n");
}

TEST(CopyPreviousIndex, KeepsWhatAPlainSearchOfTheListOfNamesKeeps) {
    // Names and entries made of few letters, angle brackets among them, so that
    // keys often stand in the list across names.
    std::uint32_t seed = 17;
    const auto next = [&](std::uint32_t below) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % below;
    };
    const auto word = [&] {
        std::string text;
        for (std::uint32_t i = next(4); i > 0; --i)
            text += "ab<>"[next(4)];
        return text;
    };
    for (int round = 0; round < 200; ++round) {
        std::string nameList;
        for (std::uint32_t i = next(5); i > 0; --i)
            nameList += "<" + word() + ">";
        std::string previous;
        std::string expected;
        for (std::uint32_t i = next(12); i > 0; --i) {
            const std::string line = (next(3) == 0 ? "#" : "") + word() + "\t/p";
            const std::string name = line.substr(line.front() == '#' ? 1 : 0,
                                                 line.find('\t') - (line.front() == '#' ? 1 : 0));
            previous += line + "\r\n";
            if (nameList.find("<" + name + ">") == std::string::npos) expected += line + "\r\n";
        }
        StringIndexWriter out;
        CopyPreviousIndex(previous, nameList, out);
        EXPECT_EQ(out.text, expected) << nameList;
    }
}

TEST_F(StockIndexTest, OnlyLinesWithATabAreEntriesThatAnUpdateSupersedes) {
    WriteIndex("NODE\r\nParts\r\nParts\t/s/p.stk\r\nEnd NODE\r\n");
    ASSERT_TRUE(Update("name Parts\n", "/d/p.stk"));
    EXPECT_EQ(Index(), Block("Parts\t/d/p.stk\r\n") + "NODE\r\nParts\r\nEnd NODE\r\n");
}

TEST_F(StockIndexTest, OldLinesAreCopiedInPiecesWithCrLfAndTheLastLineIsKept) {
    const std::string longName(300, 'x');
    WriteIndex("NODE\nA\t/s/a.stk\n" + longName + "\t/s/x.stk\r\nLast\t/s/last.stk");
    ASSERT_TRUE(Update("", "/d/empty.stk"));
    EXPECT_EQ(Index(), Block("") + "NODE\r\nA\t/s/a.stk\r\n" + std::string(249, 'x') + "\r\n" +
                           std::string(51, 'x') + "\t/s/x.stk\r\nLast\t/s/last.stk\r\n");
}

TEST_F(StockIndexTest, WithoutAReadableIndexTheUpdateBlockBecomesTheIndex) {
    ASSERT_TRUE(Update("name A\n", "/d/a.stk"));
    EXPECT_EQ(Index(), Block("A\t/d/a.stk\r\n"));
    WriteIndex("");
    ASSERT_TRUE(Update("name B\n", "/d/b.stk"));
    EXPECT_EQ(Index(), Block("B\t/d/b.stk\r\n"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(StockIndexTest, WhenTheNewIndexCannotBeStartedTheIndexStays) {
    WriteIndex("A\t/s/a.stk\r\n");
    ::chmod(PathOf("Stock Index").c_str(), 0444);
    EXPECT_FALSE(Update("name A\n", "/d/a.stk"));
    EXPECT_EQ(Index(), "A\t/s/a.stk\r\n");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (platform::Message{PathOf("Stock Index"), "Can't write file"}));
    EXPECT_THAT(status.busyChanges, ElementsAre(true, false));
}

TEST_F(StockIndexTest, TheUpdatedIndexReadsBackWithTheDocumentsEntriesFirst) {
    WriteIndex(
        "#####\r\nNODE\r\nUpdate\r\nOld\t/d/old.stk\r\nEnd NODE\r\n#####\r\n"
        "NODE\r\nA\r\n#Kept\t/s/k.stk\r\nNew\t/s/n.stk\r\nEnd NODE\r\n");
    ASSERT_TRUE(Update("name New\nname Other\n", "/d/n.stk"));
    EXPECT_THAT(ReadIndexEntries(Index()), ElementsAre(IndexEntry{"New", "/d/n.stk", false},
                                                       IndexEntry{"Other", "/d/n.stk", false},
                                                       IndexEntry{"Kept", "/s/k.stk", true}));
}

}  // namespace
}  // namespace lumtrak::stockindex

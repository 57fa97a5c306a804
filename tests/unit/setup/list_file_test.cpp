#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "setup/list_file.h"

namespace lumtrak::setup {
namespace {

using ::testing::ElementsAre;
using Kind = ListEntry::Kind;

TEST(ListFileWords, OnlyTheFirstWordOfEachLineCounts) {
    EXPECT_THAT(ListFileWords("a.stk the first one\r\n\r\n \t b.stk\n   \n\\Diesel\nlast"),
                ElementsAre("a.stk", "b.stk", "\\Diesel", "last"));
}

TEST(ListFileWords, ControlBytesAndBlanksEndWordsButBytesFrom0x80BelongToThem) {
    EXPECT_THAT(ListFileWords("\xA0\xFF"
                              "a\xE9"
                              "b\n"
                              "\x01"
                              "c\x1F"
                              "d\n"
                              " K\xC3\xBChl.stc\x7F\r\n"
                              "\\B\xC3\xA4ume\tx\n"),
                ElementsAre("\xA0\xFF"
                            "a\xE9"
                            "b",
                            "c", "K\xC3\xBChl.stc\x7F", "\\B\xC3\xA4ume"));
}

TEST(ListFileWords, AZeroByteEndsTheLine) {
    using namespace std::string_literals;
    EXPECT_THAT(ListFileWords("\0 a.stk\nb\0c\n"s), ElementsAre("b"));
}

TEST(ListFileWords, LongLinesAreReadIn249BytePieces) {
    const std::string x(249, 'x');
    EXPECT_THAT(ListFileWords(x + "yyy zzz\nnext\n"), ElementsAre(x, "yyy", "next"));
    const std::string w(248, 'w');
    EXPECT_THAT(ListFileWords(w + " tail\n"), ElementsAre(w, "tail"));
}

TEST(ListWordReader, ReadsTheWordsOfAStreamAPieceAtATime) {
    // Ten million line ends, then a word: no more than a buffer is ever held.
    std::size_t left = 10'000'000;
    bool ended = false;
    ListWordReader reader([&](std::span<char> into) -> std::ptrdiff_t {
        const std::size_t count = std::min(into.size(), left);
        std::fill_n(into.begin(), count, '\n');
        left -= count;
        if (count > 0 || ended) return std::ptrdiff_t(count);
        ended = true;
        const std::string_view last = "last one\n";
        std::copy(last.begin(), last.end(), into.begin());
        return std::ptrdiff_t(last.size());
    });
    const auto word = reader.Next();
    ASSERT_TRUE(word);
    EXPECT_EQ(*word, "last");
    EXPECT_FALSE(reader.Next());
    EXPECT_FALSE(reader.Failed());
}

TEST(ClassifyListWord, NamesFilesAndSubFolders) {
    EXPECT_EQ(ClassifyListWord("class08.stk"), (ListEntry{Kind::File, "class08.stk"}));
    EXPECT_EQ(ClassifyListWord("\\Diesel"), (ListEntry{Kind::SubFolder, "Diesel"}));
    EXPECT_EQ(ClassifyListWord("/Diesel"), (ListEntry{Kind::SubFolder, "Diesel"}));
    EXPECT_EQ(ClassifyListWord("\\Diesel\\Class08/"),
              (ListEntry{Kind::SubFolder, "Diesel/Class08"}));
    EXPECT_EQ(ClassifyListWord("\\.\\x"), (ListEntry{Kind::SubFolder, "x"}));
    EXPECT_EQ(ClassifyListWord("\\"), (ListEntry{Kind::SubFolder, ""}));
}

TEST(ClassifyListWord, NamesReachingOutsideTheSectionAreUnsafe) {
    for (const char* word : {"\\..", "\\a\\..\\b", "/a/../../b", "\\\\server\\share", "//etc",
                             "a/b.stk", "..\\b.stk", "..", "."}) {
        EXPECT_EQ(ClassifyListWord(word).kind, Kind::Unsafe) << word;
    }
}

}  // namespace
}  // namespace lumtrak::setup

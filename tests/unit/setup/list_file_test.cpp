#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "setup/list_file.h"

namespace lumtrak::setup {
namespace {

using ::testing::ElementsAre;
using Kind = ListEntry::Kind;

TEST(ListFileWords, OnlyTheFirstWordOfEachLineCounts) {
    EXPECT_THAT(ListFileWords("a.stk the first one\r\n\r\n \t b.stk\n   \n\\Diesel\nlast"),
                ElementsAre("a.stk", "b.stk", "\\Diesel", "last"));
}

TEST(ListFileWords, BytesFrom0x80AndControlBytesCountAsBlanks) {
    EXPECT_THAT(ListFileWords("\xA0\xFF"
                              "a\xE9"
                              "b\n"
                              "\x01"
                              "c\x1F"
                              "d\n"),
                ElementsAre("a", "c"));
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

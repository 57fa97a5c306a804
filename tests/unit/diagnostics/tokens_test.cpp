#include "diagnostics/tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumtrak::diagnostics {
namespace {

using namespace std::string_literals;

using K = TokenKind;

// Each token but the blanks as a letter for its kind and its text in brackets:
// "k[fill] n[1]".
std::string Marked(const std::string& text) {
    static constexpr char kLetters[] = "pbknsctgmoardPxe";
    static_assert(sizeof kLetters == kTokenKinds + 1);
    std::string marked;
    for (const Token& token : Tokenize(text)) {
        if (token.kind == K::Blank) continue;
        if (!marked.empty()) marked += ' ';
        marked += kLetters[std::size_t(token.kind)];
        marked += "[" + text.substr(token.offset, token.length) + "]";
    }
    return marked;
}

// The kind of every byte.
std::vector<TokenKind> Kinds(const std::string& text, const std::vector<Token>& tokens) {
    std::vector<TokenKind> kinds(text.size(), K::Blank);
    for (const Token& token : tokens) {
        for (std::size_t i = 0; i < token.length; ++i)
            kinds[token.offset + i] = token.kind;
    }
    return kinds;
}

TEST(TokensTest, AFillLineTakesItsCornersAndEachItemOfItsTail) {
    EXPECT_EQ(Marked("fill -45 30 0 45/30/0 45,30,90 -45:30:90 200/100/50"),
              "k[fill] n[-45] n[30] n[0] n[45] s[/] n[30] s[/] n[0] n[45] s[,] n[30] s[,] n[90] "
              "n[-45] s[:] n[30] s[:] n[90] n[200] s[/] n[100] s[/] n[50]");
    EXPECT_EQ(Marked("fill 1 2 3 4 5 6 7 8 9 10 11 12 \"wood.bmp\" 1 2 3 [Left] *Glass $ .body "
                     "double # ok"),
              "k[fill] n[1] n[2] n[3] n[4] n[5] n[6] n[7] n[8] n[9] n[10] n[11] n[12] "
              "t[\"wood.bmp\"] n[1] n[2] n[3] g[[Left]] m[*Glass] o[$] r[.body] o[double] c[# ok]");
}

TEST(TokensTest, StatementWordsAreFoundAsTheLoaderFindsThem) {
    // Prefix words in any case; the "te" inside "state" is a statement.
    EXPECT_EQ(Marked("FILLET 1"), "k[FILL] p[ET] n[1]");
    EXPECT_EQ(Marked("state 5"), "p[sta] k[te] n[5]");
    // "{fill" loses its f: the byte after a brace is passed over.
    EXPECT_EQ(Marked("{fill"), "k[{] p[fill]");
    // A statement word in the comment after panel data takes effect.
    EXPECT_EQ(Marked("rect 0 0 0 1 1 1 2 2 2 3 3 3 7 8 9 # renamed"),
              "k[rect] n[0] n[0] n[0] n[1] n[1] n[1] n[2] n[2] n[2] n[3] n[3] n[3] n[7] n[8] "
              "n[9] c[# re] k[name] d[d]");
    // A comment that the scan reaches is passed over whole.
    EXPECT_EQ(Marked("// name x"), "c[// name x]");
    EXPECT_EQ(Marked("[END]x"), "e[[END]] p[x]");
}

TEST(TokensTest, NamesAliasesAndPropertiesHaveKindsOfTheirOwn) {
    EXPECT_EQ(Marked("name Class 47 # diesel"), "k[name] d[Class 47 # diesel]");
    EXPECT_EQ(Marked("include 0 150 0 [Left] Class 40 bogie # front"),
              "k[include] n[0] n[150] n[0] g[[Left]] P[Class 40 bogie] c[# front]");
    EXPECT_EQ(Marked("colour Body 10/20/30"), "k[colour] a[Body] n[10] s[/] n[20] s[/] n[30]");
    EXPECT_EQ(Marked("weight 40 tonnes"), "k[weight] n[40] x[ tonnes]");
    EXPECT_EQ(Marked("number 47 D%05d"), "k[number] n[47] x[D%05d]");
}

TEST(TokensTest, TokensTileAnyBytesAndRestartAtEveryLineStart) {
    const std::string text =
        "fill 1 \"a\0b\" [x\r\nname \xE9t\xE9\rinclude 0 0 0 [left\n\n"
        "#\x01te 5\r\ncolour\r\n*\xA3-\0"s;
    const std::vector<Token> whole = Tokenize(text);
    std::size_t next = 0;
    for (const Token& token : whole) {
        EXPECT_EQ(token.offset, next);
        EXPECT_GT(token.length, 0u);
        next = token.offset + token.length;
    }
    EXPECT_EQ(next, text.size());
    const std::vector<TokenKind> kinds = Kinds(text, whole);
    for (std::size_t start = 0; start < text.size(); ++start) {
        if (start != LineStartOf(text, start)) continue;
        const std::vector<TokenKind> restarted = Kinds(text, Tokenize(text, start));
        EXPECT_TRUE(std::equal(kinds.begin() + std::ptrdiff_t(start), kinds.end(),
                               restarted.begin() + std::ptrdiff_t(start)))
            << "restarted at " << start;
    }
    // Only the lines that begin before `to`.
    const std::vector<Token> firstLine = Tokenize(text, 0, 1);
    EXPECT_EQ(firstLine.back().offset + firstLine.back().length, text.find('\n') + 1);
    EXPECT_EQ(LineStartOf("a\r\nb\rc", 5), 5u);
    EXPECT_EQ(LineStartOf("a\r\nb\rc", 4), 3u);
}

}  // namespace
}  // namespace lumtrak::diagnostics

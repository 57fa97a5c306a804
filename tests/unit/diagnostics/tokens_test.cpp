#include "diagnostics/tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lumtrak::diagnostics {
namespace {

using namespace std::string_literals;

using K = TokenKind;
using Piece = std::pair<std::string, TokenKind>;

// Each token as its text and kind, blanks left out.
std::vector<Piece> Pieces(const std::string& text) {
    std::vector<Piece> pieces;
    for (const Token& token : Tokenize(text)) {
        if (token.kind != K::Blank)
            pieces.emplace_back(text.substr(token.offset, token.length), token.kind);
    }
    return pieces;
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
    EXPECT_EQ(Pieces("fill -45 30 0 45/30/0 45,30,90 -45:30:90 200/100/50 \"wood.bmp\" 1 2 3 "
                     "[Left] *Glass $ .body double # ok"),
              (std::vector<Piece>{{"fill", K::Keyword},
                                  {"-45", K::Number},
                                  {"30", K::Number},
                                  {"0", K::Number},
                                  {"45", K::Number},
                                  {"/", K::Separator},
                                  {"30", K::Number},
                                  {"/", K::Separator},
                                  {"0", K::Number},
                                  {"45", K::Number},
                                  {",", K::Separator},
                                  {"30", K::Number},
                                  {",", K::Separator},
                                  {"90", K::Number},
                                  {"-45", K::Number},
                                  {":", K::Separator},
                                  {"30", K::Number},
                                  {":", K::Separator},
                                  {"90", K::Number},
                                  {"200", K::Number},
                                  {"/", K::Separator},
                                  {"100", K::Number},
                                  {"/", K::Separator},
                                  {"50", K::Number},
                                  {"\"wood.bmp\"", K::TextureName},
                                  {"1", K::Number},
                                  {"2", K::Number},
                                  {"3", K::Number},
                                  {"[Left]", K::SideTag},
                                  {"*Glass", K::Material},
                                  {"$", K::Modifier},
                                  {".body", K::AliasReference},
                                  {"double", K::Modifier},
                                  {"# ok", K::Comment}}));
}

TEST(TokensTest, StatementWordsAreFoundAsTheLoaderFindsThem) {
    // Prefix words in any case; the "te" inside "state" is a statement.
    EXPECT_EQ(Pieces("FILLET 1"),
              (std::vector<Piece>{{"FILL", K::Keyword}, {"ET", K::Plain}, {"1", K::Number}}));
    EXPECT_EQ(Pieces("state 5"),
              (std::vector<Piece>{{"sta", K::Plain}, {"te", K::Keyword}, {"5", K::Number}}));
    // "{fill" loses its f: the byte after a brace is passed over.
    EXPECT_EQ(Pieces("{fill"), (std::vector<Piece>{{"{", K::Keyword}, {"fill", K::Plain}}));
    // A statement word in the comment after panel data takes effect.
    EXPECT_EQ(Pieces("rect 0 0 0 0 0 0 0 0 0 0 0 0 1 2 3 # renamed"),
              (std::vector<Piece>{{"rect", K::Keyword},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"0", K::Number},
                                  {"1", K::Number},
                                  {"2", K::Number},
                                  {"3", K::Number},
                                  {"# re", K::Comment},
                                  {"name", K::Keyword},
                                  {"d", K::DefinitionName}}));
    // A comment that the scan reaches is passed over whole.
    EXPECT_EQ(Pieces("// name x"), (std::vector<Piece>{{"// name x", K::Comment}}));
    EXPECT_EQ(Pieces("[END]x"), (std::vector<Piece>{{"[END]", K::End}, {"x", K::Plain}}));
}

TEST(TokensTest, NamesAliasesAndPropertiesHaveKindsOfTheirOwn) {
    EXPECT_EQ(Pieces("name Class 47 # diesel"),
              (std::vector<Piece>{{"name", K::Keyword}, {"Class 47 # diesel", K::DefinitionName}}));
    EXPECT_EQ(Pieces("include 0 150 0 [Left] Class 40 bogie # front"),
              (std::vector<Piece>{{"include", K::Keyword},
                                  {"0", K::Number},
                                  {"150", K::Number},
                                  {"0", K::Number},
                                  {"[Left]", K::SideTag},
                                  {"Class 40 bogie", K::PartName},
                                  {"# front", K::Comment}}));
    EXPECT_EQ(Pieces("colour Body 10/20/30"), (std::vector<Piece>{{"colour", K::Keyword},
                                                                  {"Body", K::AliasName},
                                                                  {"10", K::Number},
                                                                  {"/", K::Separator},
                                                                  {"20", K::Number},
                                                                  {"/", K::Separator},
                                                                  {"30", K::Number}}));
    EXPECT_EQ(Pieces("weight 40 tonnes"),
              (std::vector<Piece>{
                  {"weight", K::Keyword}, {"40", K::Number}, {" tonnes", K::PropertyText}}));
    EXPECT_EQ(Pieces("number 47 D%05d"),
              (std::vector<Piece>{
                  {"number", K::Keyword}, {"47", K::Number}, {"D%05d", K::PropertyText}}));
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

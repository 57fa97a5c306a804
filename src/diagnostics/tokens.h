#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The token pass that the editor colours definitions with: the bytes of a text
// as the loader reads them, each byte in exactly one token. It reads the text
// line by line, each line on its own, so that it may start at any line start.
namespace lumtrak::diagnostics {

enum class TokenKind : std::uint8_t {
    Plain,           // text that the loader takes nothing from
    Blank,           // blanks, tabs and line ends
    Keyword,         // a statement word where the loader finds one
    Number,          // the digits of a value, with their sign
    Separator,       // what ends a value: , / : . & > [ ]
    Comment,         // "#" or "//" and what the loader passes over after it
    TextureName,     // a fill's texture file name, with its double quotes
    SideTag,         // [Left], [1,0,0,1]...
    Material,        // *Glass, *dkgreen, *12...
    Modifier,        // $ = - @, the pound sign, "double", "normal"
    AliasName,       // the name that a "colour" statement defines
    AliasReference,  // a fill's ".name"
    DefinitionName,  // the text of a "name" statement
    PartName,        // the name that an include, tilt, wheel or motion places
    PropertyText,    // description, sound, unit, a number's label, a value's unit
    End,             // "[end]"
};
inline constexpr std::size_t kTokenKinds = 16;

struct Token {
    std::size_t offset = 0;
    std::uint32_t length = 0;
    TokenKind kind = TokenKind::Plain;
    bool operator==(const Token&) const = default;
};

// The tokens of every line that starts before `to`, from the line that starts
// at `from` (taken as a line start whatever stands before it), line ends
// included. Tokens follow each other without gap or overlap; neighbours of
// one kind are one token.
std::vector<Token> Tokenize(std::string_view text, std::size_t from = 0,
                            std::size_t to = std::string_view::npos);

// The same, appended to tokens.
void AppendTokens(std::string_view text, std::size_t from, std::size_t to,
                  std::vector<Token>& tokens);

// The start of the line that holds pos.
std::size_t LineStartOf(std::string_view text, std::size_t pos);

}  // namespace lumtrak::diagnostics

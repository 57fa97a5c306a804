#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "model/colour_aliases.h"
#include "model/definition_text.h"

namespace lumtrak::model {

// The two look-aheads of a fill's tail, which is examined at every character:
// the written colour's look-ahead and the alias search both read on to the end
// of the current token. Each keeps what it found for the rest of that token, so
// that, asked at increasing positions, they cost the tail's length in all.
class FillTailScans {
  public:
    FillTailScans(const DefinitionText& text, const ColourAliasList& aliases)
        : text_(text), aliases_(aliases) {}

    // Where the look-ahead for a written colour from pos stops: at the first
    // byte that is not above blank or is one of / . , :
    Cursor ColourLookAheadStop(Cursor pos);

    // Where the alias list first holds the token at pos (the bytes above blank
    // from pos, before the end of the text), lower-cased; npos if nowhere.
    std::size_t FindAlias(Cursor pos);

  private:
    const DefinitionText& text_;
    const ColourAliasList& aliases_;

    // The run of bytes that the last colour look-ahead passed, and its stop.
    Cursor runStart_ = 0;
    Cursor runStop_ = 0;

    // The token of the last alias search and the search over its suffixes.
    Cursor tokenStart_ = 0;
    Cursor tokenEnd_ = 0;
    Cursor lastAsked_ = 0;
    std::optional<SubstringIndex::SuffixSearch> suffixes_;
};

inline constexpr bool IsColourJoint(char c) {
    return c == '/' || c == '.' || c == ',' || c == ':';
}

}  // namespace lumtrak::model

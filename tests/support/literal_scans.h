#pragma once

#include <algorithm>
#include <string>

#include "model/characters.h"
#include "model/colour_aliases.h"
#include "model/definition_loader.h"
#include "model/definition_text.h"
#include "model/fill_tail_scans.h"
#include "model/name_directory.h"
#include "model/scanning.h"
#include "model/statement_words.h"

// The loader's backward and look-ahead scans written out plainly, as its steps
// describe them, for comparison with the versions that keep what they found.
namespace lumtrak::testing {

using model::Cursor;
using model::DefinitionText;

// Going back from pos, whether a line end comes before a '#', a "//" or the
// definition's start.
inline bool LiteralOnLaterLine(const DefinitionText& text, Cursor pos, Cursor definitionStart) {
    for (Cursor back = pos; back > definitionStart;) {
        --back;
        const char c = text[back];
        if (model::IsLineEnd(c)) return true;
        if (c == '#' || (c == '/' && text[back + 1] == '/')) return false;
    }
    return false;
}

// Where a written colour's look-ahead from pos stops.
inline Cursor LiteralLookAheadStop(const DefinitionText& text, Cursor pos) {
    while (model::IsAboveBlank(text[pos]) && !model::IsColourJoint(text[pos]))
        ++pos;
    return pos;
}

// Where the alias list first holds the lower-cased token at pos.
inline std::size_t LiteralFindAlias(const DefinitionText& text, Cursor pos,
                                    const model::ColourAliasList& aliases) {
    std::string reference;
    for (Cursor name = pos; name < text.End() && model::IsAboveBlank(text[name]); ++name)
        reference += model::ToLowerAscii(text[name]);
    return aliases.Text().find(reference);
}

// The colour read from the alias list at a found position.
inline std::uint32_t LiteralColourAt(const model::ColourAliasList& aliases, std::size_t found) {
    const DefinitionText list(aliases.Text());
    Cursor cursor = found + 1;
    model::SkipField(list, cursor);
    return model::ReadColour(list, cursor);
}

// Compares every scan that keeps what it found with its plain version at every
// position of text. Gives a description of the first disagreement, or nothing.
// The plain versions are quadratic: meant for texts of a few kilobytes.
inline std::string ScansDisagree(const DefinitionText& text) {
    const Cursor end = text.End();
    for (Cursor start : {Cursor{0}, end / 3}) {
        model::LaterLineGuard guard(text, start);
        for (Cursor pos = start; pos <= end + 1; ++pos) {
            if (guard.OnLaterLine(pos) != LiteralOnLaterLine(text, pos, start))
                return "later line at " + std::to_string(pos);
        }
    }
    const model::NameDirectory names(text);
    for (Cursor pos = 0; pos <= end + 1; ++pos) {
        if (names.DefinitionStart(pos) != model::FindDefinitionStart(text, pos))
            return "definition start at " + std::to_string(pos);
    }
    // Aliases made of the beginnings of the text's own words, so that
    // references find them. Short, since the plain search is quadratic in them.
    model::ColourAliasList aliases;
    Cursor word = 0;
    for (int i = 0; i < 8 && word < end; ++i) {
        const Cursor from = word;
        while (word < end && model::IsAboveBlank(text[word]))
            ++word;
        aliases.Append(text.Slice(from, std::min(word, from + 16)), text.Slice(from, from + 12));
        while (word < end && !model::IsAboveBlank(text[word]))
            ++word;
    }
    model::FillTailScans scans(text, aliases);
    for (Cursor pos = 0; pos <= end + 1; ++pos) {
        if (scans.ColourLookAheadStop(pos) != LiteralLookAheadStop(text, pos))
            return "look-ahead at " + std::to_string(pos);
        if (scans.FindAlias(pos) != LiteralFindAlias(text, pos, aliases))
            return "alias search at " + std::to_string(pos);
    }
    for (std::size_t found = 0; found < aliases.Text().size(); ++found) {
        if (aliases.ColourAt(found) != LiteralColourAt(aliases, found))
            return "alias colour at " + std::to_string(found);
    }
    return {};
}

}  // namespace lumtrak::testing

#pragma once

#include <string_view>
#include <vector>

namespace lumtrak::preview3d {

// One character of a label as it is painted.
struct LabelCharacter {
    char32_t codePoint = 0;
    bool underlined = false;
    // A form feed and a soft hyphen show nothing, unless the soft hyphen ends
    // the text.
    bool shown = true;
    // A soft hyphen that shows nothing still widens its line, without moving
    // what follows it, where it or the next character is underlined and the
    // next one keeps to it (a closing bracket, a quote, a hyphen...): the line
    // is centred as if it could end there.
    bool widensLine = false;
    // Whether the kerning between the shown character before and this one
    // applies: not across a form feed, not into a soft hyphen, and not for an
    // underlined character, which is set on its own.
    bool kerned = false;
};

using LabelLine = std::vector<LabelCharacter>;

// The lines of a label's text: its bytes as Windows-1252 characters, a
// carriage return or tab painted as a blank, a line feed starting a new line.
// An '&' is not painted but underlines the character after it, "&&" is one
// '&', and an '&' at the end is dropped.
std::vector<LabelLine> LabelLines(std::string_view text);

// Blanks at the end of a line that another follows take no room in its width.
constexpr bool IsTrailingBlankInLabel(char32_t codePoint) {
    return codePoint == ' ' || codePoint == 0x0C;
}

}  // namespace lumtrak::preview3d

#include "preview3d/label_lines.h"

#include <string_view>

#include "platform/windows1252.h"

namespace lumtrak::preview3d {
namespace {

constexpr char32_t kLineBreak = 0x2028;
constexpr char32_t kFormFeed = 0x0C;
constexpr char32_t kSoftHyphen = 0xAD;

char32_t PaintedCharacter(unsigned char byte) {
    if (byte == '\r' || byte == '\t') return ' ';
    if (byte == '\n') return kLineBreak;
    return platform::Windows1252CodePoint(byte);
}

// Whether no line may break before the character: closing brackets and
// quotes, marks that end a clause, hyphens and dashes, the ellipsis and the
// control characters other than the vertical tab.
bool KeepsToTheCharacterBefore(char32_t c) {
    constexpr std::u32string_view kKeeping =
        U"}])!?,.:;/\"'\u00AB\u00BB\u2018\u2019\u201C\u201D\u2039\u203A|-\u2013\u2026";
    if (c == 0x0B) return false;
    return kKeeping.find(c) != std::u32string_view::npos || c < 0x20 || (c >= 0x7F && c < 0xA0);
}

void MarkWidening(LabelLine& line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        LabelCharacter& character = line[i];
        if (character.shown || character.codePoint != kSoftHyphen) continue;
        // An underlined character is set on its own, so the run ends at one.
        character.widensLine = i + 1 < line.size() &&
                               (character.underlined || line[i + 1].underlined) &&
                               KeepsToTheCharacterBefore(line[i + 1].codePoint);
    }
}

void MarkKerning(LabelLine& line) {
    const LabelCharacter* before = nullptr;
    for (LabelCharacter& character : line) {
        if (!character.shown) {
            if (character.codePoint == kFormFeed) before = nullptr;
            continue;
        }
        character.kerned = before != nullptr && !before->underlined && !character.underlined &&
                           character.codePoint != kSoftHyphen;
        before = &character;
    }
}

}  // namespace

std::vector<LabelLine> LabelLines(std::string_view text) {
    std::vector<LabelLine> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        LabelCharacter character;
        if (text[i] == '&') {
            if (++i == text.size()) break;
            character.underlined = text[i] != '&';
        }
        character.codePoint = PaintedCharacter(static_cast<unsigned char>(text[i]));
        if (character.codePoint == kLineBreak) {
            lines.emplace_back();
            continue;
        }
        character.shown = character.codePoint != kFormFeed && character.codePoint != kSoftHyphen;
        lines.back().push_back(character);
    }
    if (!lines.back().empty() && lines.back().back().codePoint == kSoftHyphen) {
        lines.back().back().shown = true;
    }
    for (LabelLine& line : lines) {
        MarkWidening(line);
        MarkKerning(line);
    }
    return lines;
}

}  // namespace lumtrak::preview3d

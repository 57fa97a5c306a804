#include "model/fill_reader.h"

#include "model/characters.h"
#include "model/materials.h"
#include "model/scanning.h"
#include "model/texture_registry.h"

namespace lumtrak::model {
namespace {

bool IsColourJoint(char c) {
    return c == '/' || c == '.' || c == ',' || c == ':';
}

// Three components r g b with a field step between them; the cursor is left on
// the first character of the last one.
std::uint32_t ReadColour(const DefinitionText& text, Cursor& cursor) {
    const std::int32_t red = ReadInteger(text, cursor);
    SkipField(text, cursor);
    const std::int32_t green = ReadInteger(text, cursor);
    SkipField(text, cursor);
    const std::int32_t blue = ReadInteger(text, cursor);
    return MakeColour(red, green, blue);
}

bool ReadCorners(const DefinitionText& text, Cursor& cursor, const Placement& placement,
                 Panel& panel) {
    const std::size_t end = text.End();
    for (auto& vertex : panel.vertices) {
        if (cursor >= end) return false;
        vertex.x = placement.Across(ReadInteger(text, cursor));
        SkipField(text, cursor);
        vertex.y = placement.Along(ReadInteger(text, cursor));
        SkipField(text, cursor);
        vertex.z = placement.Height(ReadInteger(text, cursor));
        SkipField(text, cursor);
    }
    return cursor < end;
}

// A texture file name in double quotes and its colour. Gives false when the end
// of the text cut the reading short.
bool ReadTexture(const DefinitionText& text, Cursor& cursor, std::string_view folderText,
                 TextureRegistry& textures, Panel& panel) {
    const std::size_t end = text.End();
    ++cursor;
    const Cursor nameStart = cursor;
    while (cursor < end && text[cursor] != '\0' && !IsLineEnd(text[cursor]) &&
           text[cursor] != '"') {
        ++cursor;
    }
    if (cursor >= end) return false;
    const std::string_view fileName = text.Slice(nameStart, cursor);
    if (text[cursor] == '"') ++cursor;
    if (cursor >= end) return false;
    panel.texture = textures.InternTexture(fileName, folderText);
    SkipField(text, cursor);
    if (cursor >= end) return false;
    const std::int32_t red = ReadInteger(text, cursor);
    SkipField(text, cursor);
    if (cursor >= end) return false;
    const std::int32_t green = ReadInteger(text, cursor);
    SkipField(text, cursor);
    const std::int32_t blue = ReadInteger(text, cursor);
    panel.textureColour = MakeColour(red, green, blue);
    return cursor < end;
}

// A dot and an alias name: the colour of the first alias whose text begins so.
// The cursor steps over the dot only; the name's letters are then examined as
// tail characters, so a side tag or material after the alias is still read.
void ReadAliasColour(const DefinitionText& text, Cursor& cursor, const ColourAliasList& aliases,
                     Panel& panel) {
    std::string reference;
    for (Cursor name = cursor; name < text.End() && IsAboveBlank(text[name]); ++name) {
        reference += ToLowerAscii(text[name]);
    }
    const std::size_t found = aliases.find(reference);
    SkipField(text, cursor);
    // An alias that the list does not hold leaves the colour as it was.
    if (found == std::string::npos) return;
    const DefinitionText list(aliases);
    Cursor inList = found + 1;
    SkipField(list, inList);
    panel.colour = ReadColour(list, inList);
}

void ReadWrittenColour(const DefinitionText& text, Cursor& cursor, Panel& panel) {
    Cursor ahead = cursor;
    while (IsAboveBlank(text[ahead]) && !IsColourJoint(text[ahead]))
        ++ahead;
    if (IsColourJoint(text[ahead])) panel.colour = ReadColour(text, cursor);
}

std::uint8_t ModifiersAt(const DefinitionText& text, Cursor cursor) {
    switch (text[cursor]) {
        case '$':
        case '-':
            return kSingleSided;
        case '\xA3':  // the pound sign
        case '=':
            return kDoubleSided;
        case '@':
            return kAtSignMark;
        default:
            break;
    }
    switch (ToLowerAscii(text[cursor])) {
        case 'd':
            return StartsWithIgnoringCase(text, cursor, "double") ? kDoubleSided : 0;
        case 'n':
            return StartsWithIgnoringCase(text, cursor, "normal") ? kSingleSided : 0;
        default:
            return 0;
    }
}

}  // namespace

void AppendColourAlias(ColourAliasList& aliases, std::string_view name, std::string_view value) {
    aliases += '.';
    for (char c : name)
        aliases += ToLowerAscii(c);
    aliases += '.';
    aliases += value;
}

std::unique_ptr<Panel> ReadFillPanel(const DefinitionText& text, Cursor& cursor,
                                     const SideMask& sides, const Placement& placement,
                                     std::string_view folderText, const ColourAliasList& aliases,
                                     TextureRegistry& textures) {
    auto panel = std::make_unique<Panel>();
    panel->sides = sides;
    panel->colour = kDefaultFillColour;
    if (StartsWithIgnoringCase(text, cursor, "fill")) {
        cursor += 4;
        panel->kind = PanelKind::Fill;
    }
    SkipField(text, cursor);
    if (!ReadCorners(text, cursor, placement, *panel)) return panel;

    const std::size_t end = text.End();
    for (;;) {
        if (cursor >= end || text[cursor] == '\0') return panel;
        switch (text[cursor]) {
            case '"':
                if (!ReadTexture(text, cursor, folderText, textures, *panel)) return panel;
                break;
            case '[':
                ReadSideTag(text, cursor, panel->sides);
                break;
            case '.':
                ReadAliasColour(text, cursor, aliases, *panel);
                break;
            default:
                // A comment ends the tail; its text is no colour.
                if (!IsCommentStart(text, cursor)) ReadWrittenColour(text, cursor, *panel);
                break;
        }
        panel->modifiers |= ModifiersAt(text, cursor);
        if (IsLineEnd(text[cursor]) || IsCommentStart(text, cursor)) return panel;
        if (text[cursor] == '*') {
            const Cursor star = cursor;
            panel->material = ReadMaterial(text, cursor);
            // A material name that ends the line ends the tail: stepping on
            // would read the next line as tail, or report an overrun.
            if (cursor != star &&
                (cursor >= end || IsLineEnd(text[cursor]) || IsCommentStart(text, cursor))) {
                return panel;
            }
        }
        ++cursor;
    }
}

}  // namespace lumtrak::model

#include "model/fill_reader.h"

#include "model/characters.h"
#include "model/fill_tail_scans.h"
#include "model/materials.h"
#include "model/problem_sink.h"
#include "model/scanning.h"
#include "model/texture_registry.h"
#include "model/wrapping.h"

namespace lumtrak::model {
namespace {

// Reads the four corners; with kReport, a corner that does not fit its 16 bits
// is reported to problems.
template <bool kReport>
bool ReadCorners(const DefinitionText& text, Cursor& cursor, const Placement& placement,
                 Panel& panel, ProblemSink* problems) {
    const std::size_t end = text.End();
    auto place = [&](std::int32_t offset, std::int32_t divisor) {
        const std::int32_t placed = Placement::Offset(offset, ReadInteger(text, cursor), divisor);
        if constexpr (kReport) {
            if (placed != Low16(placed)) {
                const IntegerSpan value = IntegerSpanAt(text, cursor);
                problems->Found(Finding::ValueWraps, text, value.start, value.end,
                                std::to_string(placed));
            }
        }
        SkipField(text, cursor);
        return Low16(placed);
    };
    for (auto& vertex : panel.vertices) {
        if (cursor >= end) return false;
        vertex.x = place(placement.offX, placement.planeDivisor);
        vertex.y = place(placement.offY, placement.planeDivisor);
        vertex.z = place(placement.offZ, placement.heightDivisor);
    }
    return cursor < end;
}

// Tells problems what the registry's look-up found for the texture named at
// [start, end).
void ReportTextureLookup(const DefinitionText& text, Cursor start, Cursor end,
                         const TextureRegistry& textures, std::int16_t number,
                         ProblemSink& problems) {
    const TextureRegistry::Entry* entry = textures.Find(number);
    if (entry == nullptr) return;
    switch (entry->lookup) {
        case TextureLookup::NotFound:
            problems.Found(Finding::TextureNotFound, text, start, end, entry->fileName);
            break;
        case TextureLookup::Unreadable:
            problems.Found(Finding::TextureUnreadable, text, start, end, entry->fileName);
            break;
        case TextureLookup::NotLooked:
        case TextureLookup::Loaded:
        case TextureLookup::LeftOut:
            break;
    }
}

// A texture file name in double quotes and its colour. Gives false when the end
// of the text cut the reading short.
bool ReadTexture(const DefinitionText& text, Cursor& cursor, std::string_view folderText,
                 TextureRegistry& textures, Panel& panel, ProblemSink* problems) {
    const std::size_t end = text.End();
    ++cursor;
    const Cursor nameStart = cursor;
    while (cursor < end && text[cursor] != '\0' && !IsLineEnd(text[cursor]) &&
           text[cursor] != '"') {
        ++cursor;
    }
    if (cursor >= end) return false;
    const Cursor nameEnd = cursor;
    const std::string_view fileName = text.Slice(nameStart, nameEnd);
    if (text[cursor] == '"') ++cursor;
    if (cursor >= end) return false;
    panel.texture = textures.InternTexture(fileName, folderText);
    if (problems != nullptr) {
        ReportTextureLookup(text, nameStart, nameEnd, textures, panel.texture, *problems);
    }
    SkipField(text, cursor);
    if (cursor >= end) return false;
    const auto colour = ReadColourBeforeEnd(text, cursor);
    if (!colour) return false;
    panel.textureColour = *colour;
    return cursor < end;
}

// A dot and an alias name: the colour of the first alias whose text begins so.
// The cursor steps over the dot only; the name's letters are then examined as
// tail characters, so a side tag or material after the alias is still read.
void ReadAliasColour(const DefinitionText& text, Cursor& cursor, FillTailScans& scans,
                     const ColourAliasList& aliases, Panel& panel, ProblemSink* problems) {
    const std::size_t found = scans.FindAlias(cursor);
    const Cursor reference = cursor;
    SkipField(text, cursor);
    // An alias that the list does not hold leaves the colour as it was.
    if (found == std::string::npos) {
        if (problems != nullptr) {
            Cursor end = reference;
            while (end < text.End() && IsAboveBlank(text[end]))
                ++end;
            problems->Found(Finding::ColourAliasNotFound, text, reference, end,
                            text.Slice(reference, end));
        }
        return;
    }
    panel.colour = aliases.ColourAt(found);
}

void ReadWrittenColour(const DefinitionText& text, Cursor& cursor, FillTailScans& scans,
                       Panel& panel) {
    if (IsColourJoint(text[scans.ColourLookAheadStop(cursor)])) {
        panel.colour = ReadColour(text, cursor);
    }
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

std::unique_ptr<Panel> ReadFillPanel(const DefinitionText& text, Cursor& cursor,
                                     const SideMask& sides, const Placement& placement,
                                     std::string_view folderText, const ColourAliasList& aliases,
                                     TextureRegistry& textures, ProblemSink* problems) {
    auto panel = std::make_unique<Panel>();
    panel->sides = sides;
    panel->colour = kDefaultFillColour;
    if (StartsWithIgnoringCase(text, cursor, "fill")) {
        cursor += 4;
        panel->kind = PanelKind::Fill;
    }
    SkipField(text, cursor);
    const bool whole = problems != nullptr
                           ? ReadCorners<true>(text, cursor, placement, *panel, problems)
                           : ReadCorners<false>(text, cursor, placement, *panel, problems);
    if (!whole) return panel;

    const std::size_t end = text.End();
    FillTailScans scans(text, aliases);
    for (;;) {
        if (cursor >= end || text[cursor] == '\0') return panel;
        switch (text[cursor]) {
            case '"':
                if (!ReadTexture(text, cursor, folderText, textures, *panel, problems)) {
                    return panel;
                }
                break;
            case '[':
                ReadSideTag(text, cursor, panel->sides);
                break;
            case '.':
                ReadAliasColour(text, cursor, scans, aliases, *panel, problems);
                break;
            default:
                // A comment ends the tail; its text is no colour.
                if (!IsCommentStart(text, cursor)) ReadWrittenColour(text, cursor, scans, *panel);
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

#include "model/scanning.h"

#include <array>
#include <string_view>

#include "model/characters.h"
#include "model/panel.h"

namespace lumtrak::model {
namespace {

// Which bytes end a field, as a table: the field stepping runs for every value of
// every statement.
struct SeparatorTable {
    std::array<bool, 256> ends{};
    constexpr explicit SeparatorTable(std::string_view separators) {
        for (char c : separators)
            ends[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool operator()(char c) const { return ends[static_cast<unsigned char>(c)]; }
};

constexpr SeparatorTable kSeparators(",[].&:/>#");
constexpr SeparatorTable kSeparatorsKeepingDots(",[]:/>#");

void SkipFieldWith(const DefinitionText& text, Cursor& cursor, const SeparatorTable& isSeparator) {
    if (IsLineEnd(text[cursor])) return;
    while (IsAboveBlank(text[cursor]) && !isSeparator(text[cursor]))
        ++cursor;
    if (IsLineEnd(text[cursor])) return;
    ++cursor;  // the delimiter, whatever it is
    while (text[cursor] != '\0' && IsAtOrBelowBlank(text[cursor]) && !IsLineEnd(text[cursor])) {
        ++cursor;
    }
}

struct NamedSide {
    std::string_view name;
    SideMask mask;
};

constexpr NamedSide kNamedSides[] = {
    {"left", {{0, 1, 1, 0}}}, {"front", {{0, 0, 1, 1}}}, {"right", {{1, 0, 0, 1}}},
    {"back", {{1, 1, 0, 0}}}, {"d3d", {{0, 0, 0, 0}}},
};

}  // namespace

void SkipField(const DefinitionText& text, Cursor& cursor) {
    SkipFieldWith(text, cursor, kSeparators);
}

void SkipFieldKeepDots(const DefinitionText& text, Cursor& cursor) {
    SkipFieldWith(text, cursor, kSeparatorsKeepingDots);
}

void ReadSideTag(const DefinitionText& text, Cursor& cursor, SideMask& mask) {
    ++cursor;
    for (const auto& side : kNamedSides) {
        if (StartsWithIgnoringCase(text, cursor, side.name)) {
            mask = side.mask;
            return;
        }
    }
    for (std::size_t entry = 0; entry < mask.entries.size(); ++entry) {
        if (entry > 0) SkipField(text, cursor);
        mask.entries[entry] = ReadInteger(text, cursor);
    }
}

namespace {

std::optional<std::uint32_t> ReadColourWith(const DefinitionText& text, Cursor& cursor,
                                            bool stopAtEnd) {
    const std::int32_t red = ReadInteger(text, cursor);
    SkipField(text, cursor);
    if (stopAtEnd && cursor >= text.End()) return std::nullopt;
    const std::int32_t green = ReadInteger(text, cursor);
    SkipField(text, cursor);
    const std::int32_t blue = ReadInteger(text, cursor);
    return MakeColour(red, green, blue);
}

}  // namespace

std::uint32_t ReadColour(const DefinitionText& text, Cursor& cursor) {
    return *ReadColourWith(text, cursor, false);
}

std::optional<std::uint32_t> ReadColourBeforeEnd(const DefinitionText& text, Cursor& cursor) {
    return ReadColourWith(text, cursor, true);
}

}  // namespace lumtrak::model

#include "model/scanning.h"

#include <array>
#include <string_view>

#include "model/characters.h"
#include "model/panel.h"

namespace lumtrak::model {
namespace {

// The bytes of the field step, as tables: it runs for every value of every
// statement. A field byte is above blank and no separator; a blank after the
// delimiter is at or below blank, neither zero nor a line end.
struct FieldBytes {
    std::array<bool, 256> field{};
    std::array<bool, 256> blank{};
    constexpr explicit FieldBytes(std::string_view separators) {
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            field[std::size_t(byte)] =
                IsAboveBlank(c) && separators.find(c) == std::string_view::npos;
            blank[std::size_t(byte)] = c != '\0' && IsAtOrBelowBlank(c) && !IsLineEnd(c);
        }
    }
};

constexpr FieldBytes kSeparators(",[].&:/>#");
constexpr FieldBytes kSeparatorsKeepingDots(",[]:/>#");

// The step on the bytes of the text, the zero byte after them standing in for
// every position at or past the end: a field it ends is stepped over as its
// delimiter, and nothing after it.
void SkipFieldWith(const DefinitionText& text, Cursor& cursor, const FieldBytes& bytes) {
    const std::string_view all = text.Bytes();
    const std::size_t size = all.size();
    auto at = [&all](std::size_t pos) { return static_cast<unsigned char>(all[pos]); };
    std::size_t pos = cursor;
    if (pos < size && IsLineEnd(all[pos])) return;
    while (pos < size && bytes.field[at(pos)])
        ++pos;
    if (pos >= size) {
        cursor = pos + 1;
        return;
    }
    if (IsLineEnd(all[pos])) {
        cursor = pos;
        return;
    }
    ++pos;  // the delimiter, whatever it is
    while (pos < size && bytes.blank[at(pos)])
        ++pos;
    cursor = pos;
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

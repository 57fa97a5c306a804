#include "model/materials.h"

#include "model/characters.h"

namespace lumtrak::model {
namespace {

struct NamedMaterial {
    std::string_view written;
    MaterialCode code;
};

constexpr NamedMaterial kNamedMaterials[] = {
    {"*headlight", kHeadlight}, {"*taillight", kTaillight},     {"*Brass", kBrass},
    {"*Glass", kGlass},         {"*TintedGlass", kTintedGlass}, {"*custom", kCustom},
};

}  // namespace

MaterialCode ReadMaterial(const DefinitionText& text, Cursor& cursor) {
    for (const auto& named : kNamedMaterials) {
        if (StartsWithIgnoringCase(text, cursor, named.written)) {
            cursor += named.written.size();
            return named.code;
        }
    }
    int material = -1;
    for (int number = 0; number < 16 && material < 0; ++number) {
        if (StartsWithIgnoringCase(text, cursor + 1, kColourNames[number])) material = number;
    }
    if (material < 0) material = static_cast<std::int8_t>(ReadInteger(text, cursor + 1));
    return (material < 0 || material >= 32) ? MaterialCode(0) : MaterialCode(material);
}

std::size_t MaterialTextLength(const DefinitionText& text, Cursor cursor) {
    for (const auto& named : kNamedMaterials) {
        if (StartsWithIgnoringCase(text, cursor, named.written)) return named.written.size();
    }
    for (const std::string_view name : kColourNames) {
        if (StartsWithIgnoringCase(text, cursor + 1, name)) return 1 + name.size();
    }
    const IntegerSpan number = IntegerSpanAt(text, cursor + 1);
    // A number counts only where it stands right after the '*'.
    return number.start == cursor + 1 && number.end > number.start ? number.end - cursor : 1;
}

}  // namespace lumtrak::model

#include "preview3d/custom_material.h"

#include <charconv>

#include "platform/ascii.h"
#include "rm/material.h"

namespace lumtrak::preview3d {
namespace {

std::optional<FieldProblem> Read(std::string_view text, int& value) {
    text = platform::Trim(text, " \t");
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size())
        return FieldProblem::NotAnInteger;
    if (error == std::errc::result_out_of_range || number < kCustomMaterialMinimum ||
        number > kCustomMaterialMaximum)
        return FieldProblem::OutOfRange;
    value = static_cast<int>(number);
    return std::nullopt;
}

float At(const CustomMaterialValues& values, CustomMaterialField field) {
    return static_cast<float>(values[static_cast<std::size_t>(field)]);
}

}  // namespace

std::optional<FieldRefusal> ExchangeCustomMaterial(
    const std::array<std::string_view, kCustomMaterialFields>& texts,
    CustomMaterialValues& values) {
    for (std::size_t i = 0; i < kCustomMaterialFields; ++i) {
        int value = 0;
        if (const auto problem = Read(texts[i], value)) {
            return FieldRefusal{static_cast<CustomMaterialField>(i), *problem};
        }
        values[i] = value;
    }
    return std::nullopt;
}

void ApplyCustomMaterial(MaterialTable& table, const CustomMaterialValues& values) {
    const auto& material = table.numbered[MaterialTable::kCustomSlot];
    if (!material) return;
    using F = CustomMaterialField;
    material->SetPower(At(values, F::Power));
    material->SetEmissive(At(values, F::EmissiveRed), At(values, F::EmissiveGreen),
                          At(values, F::EmissiveBlue));
    material->SetSpecular(At(values, F::SpecularRed), At(values, F::SpecularGreen),
                          At(values, F::SpecularBlue));
}

}  // namespace lumtrak::preview3d

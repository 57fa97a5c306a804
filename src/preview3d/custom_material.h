#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "preview3d/material_table.h"

namespace lumtrak::preview3d {

// The values of the custom material dialog, in the order they are exchanged:
// ambient red, green, blue (kept, not applied), emissive red, green, blue,
// specular red, green, blue and the specular power.
enum class CustomMaterialField {
    AmbientRed,
    AmbientGreen,
    AmbientBlue,
    EmissiveRed,
    EmissiveGreen,
    EmissiveBlue,
    SpecularRed,
    SpecularGreen,
    SpecularBlue,
    Power,
};
inline constexpr std::size_t kCustomMaterialFields = 10;
inline constexpr int kCustomMaterialMinimum = 0;
inline constexpr int kCustomMaterialMaximum = 255;

using CustomMaterialValues = std::array<int, kCustomMaterialFields>;

// Why a typed field was refused.
enum class FieldProblem { NotAnInteger, OutOfRange };

struct FieldRefusal {
    CustomMaterialField field;
    FieldProblem problem;
};

// Reads the typed texts into values in field order, as a dialog's exchange
// does: each text must be a whole number (blanks around it allowed) from 0 to
// 255. The first text that is not stops the exchange: it and the fields after
// it keep their values, and the refusal is returned.
std::optional<FieldRefusal> ExchangeCustomMaterial(
    const std::array<std::string_view, kCustomMaterialFields>& texts, CustomMaterialValues& values);

// Gives the custom material slot the power, emissive and specular colours, as
// the numbers typed (0 to 255; the renderer limits colours to full
// intensity). Faces that use the slot change with it. Nothing without that
// material.
void ApplyCustomMaterial(MaterialTable& table, const CustomMaterialValues& values);

}  // namespace lumtrak::preview3d

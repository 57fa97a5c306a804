#pragma once

#include <array>
#include <memory>
#include <optional>

#include "model/materials.h"
#include "rm/engine.h"
#include "rm/material.h"

namespace lumtrak::preview3d {

// The material slots that faces of a scene share: 32 numbered slots and one
// default material. A face keeps its material, so changing a slot's material
// (the custom material is slot 31) changes every face that uses it. Slots 21 to
// 30 stay empty.
struct MaterialTable {
    static constexpr int kSlots = 32;
    static constexpr int kHeadlightSlot = 16;
    static constexpr int kTaillightSlot = 17;
    static constexpr int kCustomSlot = 31;

    std::array<std::shared_ptr<rm::Material>, kSlots> numbered;
    std::shared_ptr<rm::Material> defaultMaterial;

    // The slot that holds material, or nothing for the default material, an
    // empty material or one that is not in the table.
    std::optional<int> SlotOf(const rm::Material* material) const;
};

MaterialTable CreateMaterialTable(rm::Engine& engine);
void ReleaseMaterialTable(MaterialTable& table);

// The material a face with that material code gets (none for an empty slot),
// and the alpha its colour takes (the glasses are see-through), if any.
std::shared_ptr<rm::Material> MaterialForCode(const MaterialTable& table, model::MaterialCode code);
std::optional<std::uint8_t> AlphaForCode(model::MaterialCode code);

}  // namespace lumtrak::preview3d

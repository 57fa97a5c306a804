#include "preview3d/material_table.h"

namespace lumtrak::preview3d {
namespace {

float Bit(int value, int bit) {
    return static_cast<float>((value >> bit) & 1);
}

}  // namespace

MaterialTable CreateMaterialTable(rm::Engine& engine) {
    MaterialTable table;
    table.defaultMaterial = engine.CreateMaterial(16.0f);
    // The sixteen colours glow: at half strength for 0 to 7, fully for 8 to 15,
    // in red, green and blue where bits 0, 1 and 2 of the number are set.
    for (int n = 0; n < 16; ++n) {
        auto& material = table.numbered[std::size_t(n)];
        material = engine.CreateMaterial(10.0f);
        const float strength = n < 8 ? 0.5f : 1.0f;
        material->SetEmissive(strength * Bit(n, 0), strength * Bit(n, 1), strength * Bit(n, 2));
    }
    table.numbered[16] = engine.CreateMaterial(10.0f);  // headlight
    table.numbered[16]->SetEmissive(1, 1, 1);
    table.numbered[17] = engine.CreateMaterial(10.0f);  // taillight
    table.numbered[17]->SetEmissive(1, 0, 0);
    table.numbered[model::kBrass] = engine.CreateMaterial(5.0f);
    table.numbered[model::kBrass]->SetEmissive(0, 0, 0);
    table.numbered[model::kBrass]->SetSpecular(1, 1, 0);
    for (const auto glass : {model::kGlass, model::kTintedGlass}) {
        auto& material = table.numbered[std::size_t(glass)];
        material = engine.CreateMaterial(1.0f);
        material->SetEmissive(0, 0, 0);
        material->SetSpecular(1, 1, 1);
    }
    table.numbered[model::kCustom] = engine.CreateMaterial(1.0f);
    return table;
}

void ReleaseMaterialTable(MaterialTable& table) {
    for (auto& slot : table.numbered)
        slot.reset();
    table.defaultMaterial.reset();
}

std::optional<int> MaterialTable::SlotOf(const rm::Material* material) const {
    if (material == nullptr) return std::nullopt;
    for (int n = 0; n < kSlots; ++n) {
        if (numbered[std::size_t(n)].get() == material) return n;
    }
    return std::nullopt;
}

std::shared_ptr<rm::Material> MaterialForCode(const MaterialTable& table,
                                              model::MaterialCode code) {
    if (code == 0) return table.defaultMaterial;
    if (code == model::kHeadlight) return table.numbered[MaterialTable::kHeadlightSlot];
    if (code == model::kTaillight) return table.numbered[MaterialTable::kTaillightSlot];
    if (code < 0 || code >= MaterialTable::kSlots) return nullptr;
    return table.numbered[std::size_t(code)];
}

std::optional<std::uint8_t> AlphaForCode(model::MaterialCode code) {
    if (code == model::kGlass) return 0x20;
    if (code == model::kTintedGlass) return 0xA0;
    return std::nullopt;
}

}  // namespace lumtrak::preview3d

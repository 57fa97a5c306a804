#include "preview3d/material_table.h"

#include <gtest/gtest.h>

namespace lumtrak::preview3d {
namespace {

TEST(MaterialTable, TheSlotsGlowInTheirColoursAndTheMetalsShine) {
    rm::Engine engine;
    MaterialTable table = CreateMaterialTable(engine);
    EXPECT_EQ(table.defaultMaterial->GetPower(), 16.0f);
    EXPECT_EQ(table.numbered[0]->GetEmissive(), (rm::Rgb{0, 0, 0}));
    EXPECT_EQ(table.numbered[3]->GetEmissive(), (rm::Rgb{0.5f, 0.5f, 0}));
    EXPECT_EQ(table.numbered[9]->GetEmissive(), (rm::Rgb{1, 0, 0}));  // red glows pure red
    EXPECT_EQ(table.numbered[15]->GetEmissive(), (rm::Rgb{1, 1, 1}));
    EXPECT_EQ(table.numbered[12]->GetPower(), 10.0f);
    EXPECT_EQ(table.numbered[16]->GetEmissive(), (rm::Rgb{1, 1, 1}));
    EXPECT_EQ(table.numbered[17]->GetEmissive(), (rm::Rgb{1, 0, 0}));
    EXPECT_EQ(table.numbered[18]->GetSpecular(), (rm::Rgb{1, 1, 0}));
    EXPECT_EQ(table.numbered[18]->GetPower(), 5.0f);
    EXPECT_EQ(table.numbered[20]->GetSpecular(), (rm::Rgb{1, 1, 1}));
    EXPECT_EQ(table.numbered[31]->GetPower(), 1.0f);
    for (int n = 21; n <= 30; ++n)
        EXPECT_FALSE(table.numbered[std::size_t(n)]);

    EXPECT_EQ(table.SlotOf(table.numbered[31].get()), 31);
    EXPECT_FALSE(table.SlotOf(table.defaultMaterial.get()));
    EXPECT_EQ(MaterialForCode(table, model::kHeadlight), table.numbered[16]);
    EXPECT_EQ(AlphaForCode(model::kTintedGlass), 0xA0);
    EXPECT_FALSE(AlphaForCode(model::kBrass));

    ReleaseMaterialTable(table);
    EXPECT_FALSE(table.defaultMaterial);
    EXPECT_FALSE(table.numbered[0]);
}

}  // namespace
}  // namespace lumtrak::preview3d

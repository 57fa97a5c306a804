#include "preview3d/custom_material.h"

#include <gtest/gtest.h>

#include "rm/engine.h"

namespace lumtrak::preview3d {
namespace {

using Texts = std::array<std::string_view, kCustomMaterialFields>;

TEST(CustomMaterial, EveryFieldIsReadInOrder) {
    CustomMaterialValues values{};
    const Texts texts{"1", "2", "3", " 255", "0 ", "+7", "8", "9", "10", "11"};
    EXPECT_FALSE(ExchangeCustomMaterial(texts, values));
    EXPECT_EQ(values, (CustomMaterialValues{1, 2, 3, 255, 0, 7, 8, 9, 10, 11}));
}

TEST(CustomMaterial, TheFirstBadFieldStopsTheExchangeAndKeepsTheRest) {
    struct Case {
        std::string_view bad;
        FieldProblem problem;
    };
    for (const Case c :
         {Case{"256", FieldProblem::OutOfRange}, Case{"-1", FieldProblem::OutOfRange},
          Case{"99999999999999999999", FieldProblem::OutOfRange},
          Case{"", FieldProblem::NotAnInteger}, Case{"12a", FieldProblem::NotAnInteger},
          Case{"1.5", FieldProblem::NotAnInteger}}) {
        CustomMaterialValues values{};
        values.fill(40);
        const Texts texts{"1", "2", "3", "4", c.bad, "6", "7", "8", "9", "10"};
        const auto refusal = ExchangeCustomMaterial(texts, values);
        ASSERT_TRUE(refusal) << c.bad;
        EXPECT_EQ(refusal->field, CustomMaterialField::EmissiveGreen);
        EXPECT_EQ(refusal->problem, c.problem) << c.bad;
        EXPECT_EQ(values, (CustomMaterialValues{1, 2, 3, 4, 40, 40, 40, 40, 40, 40})) << c.bad;
    }
}

TEST(CustomMaterial, ApplyingSetsTheCustomSlotUnscaledAndLeavesAmbientAlone) {
    rm::Engine engine;
    MaterialTable table = CreateMaterialTable(engine);
    ASSERT_TRUE(table.numbered[MaterialTable::kCustomSlot]);
    ApplyCustomMaterial(table, {9, 9, 9, 255, 0, 1, 10, 20, 30, 40});
    const rm::Material& custom = *table.numbered[MaterialTable::kCustomSlot];
    EXPECT_EQ(custom.GetPower(), 40.0f);
    EXPECT_EQ(custom.GetEmissive(), (rm::Rgb{255, 0, 1}));
    EXPECT_EQ(custom.GetSpecular(), (rm::Rgb{10, 20, 30}));

    ReleaseMaterialTable(table);
    ApplyCustomMaterial(table, {});  // an empty table: nothing happens
}

}  // namespace
}  // namespace lumtrak::preview3d

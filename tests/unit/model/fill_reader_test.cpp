#include "model/fill_reader.h"

#include <gtest/gtest.h>

#include "model/materials.h"
#include "model/texture_registry.h"

namespace lumtrak::model {
namespace {

class FillReaderTest : public ::testing::Test {
  protected:
    std::unique_ptr<Panel> Read(std::string_view bytes, Placement placement = {}) {
        text_ = std::string(bytes);
        cursor = 0;
        return ReadFillPanel(DefinitionText(text_), cursor, SideMask::AllVisible(), placement, "",
                             aliases, textures);
    }

    TextureRegistry textures;
    ColourAliasList aliases;
    Cursor cursor = 0;

  private:
    std::string text_;
};

constexpr std::string_view kSquare = "fill 0 0 0 30 0 0 30 0 30 0 0 30 ";

TEST_F(FillReaderTest, ReadsCornersInModelUnitsAndTheTailItems) {
    auto panel = Read("FILL 0/0/0 300/0/0 300/0/150 0/0/150 255/0/0 [Left]\r\n");
    EXPECT_EQ(panel->kind, PanelKind::Fill);
    EXPECT_EQ(panel->vertices[1].x, 100);
    EXPECT_EQ(panel->vertices[2].z, 50);
    EXPECT_EQ(panel->colour, 0x000000FFu);
    EXPECT_EQ(panel->sides, (SideMask{{0, 1, 1, 0}}));
    EXPECT_EQ(cursor, 51u);  // on the line end

    panel = Read(std::string(kSquare) + "255,0,0 *Glass =");
    EXPECT_EQ(panel->colour, 0x000000FFu);
    EXPECT_EQ(panel->material, kGlass);
    EXPECT_EQ(panel->modifiers, kDoubleSided);
}

TEST_F(FillReaderTest, PlacementOffsetsAndTurnsTheCorners) {
    auto panel = Read("fill 30 60 9 0 0 0 0 0 0 0 0 0", Placement{100, 200, 300, 9, -9});
    EXPECT_EQ(panel->vertices[0].x, 100 - 3);
    EXPECT_EQ(panel->vertices[0].y, 200 - 6);
    EXPECT_EQ(panel->vertices[0].z, 300 + 1);
}

TEST_F(FillReaderTest, AColourWrittenWithBlanksIsNoColour) {
    EXPECT_EQ(Read(std::string(kSquare) + "200 100 50\n")->colour, kDefaultFillColour);
    // A fifth corner written with joints reads as the colour.
    EXPECT_EQ(Read(std::string(kSquare) + "10/20/30\n")->colour, MakeColour(10, 20, 30));
    EXPECT_EQ(Read(std::string(kSquare) + "10 20 30\n")->colour, kDefaultFillColour);
}

TEST_F(FillReaderTest, TextureNamesAreNumberedOnceByExactName) {
    auto panel = Read(std::string(kSquare) + "\"wood.bmp\" 128 128 128 [Back]\n");
    EXPECT_EQ(panel->texture, 1);
    EXPECT_EQ(textures.TextureName(1), "wood.bmp");
    EXPECT_EQ(panel->textureColour, MakeColour(128, 128, 128));
    EXPECT_EQ(panel->sides, (SideMask{{1, 1, 0, 0}}));
    EXPECT_EQ(Read(std::string(kSquare) + "\"wood.bmp\" 1 2 3\n")->texture, 1);
    EXPECT_EQ(Read(std::string(kSquare) + "\"Wood.bmp\" 1 2 3\n")->texture, 2);
    EXPECT_EQ(textures.TextureName(3), "");
}

TEST_F(FillReaderTest, AnUnclosedTextureNameRunsToTheLineEnd) {
    auto panel = Read(std::string(kSquare) + "\"open name\nnext");
    EXPECT_EQ(textures.TextureName(panel->texture), "open name");
}

TEST_F(FillReaderTest, MaterialsByNameColourNameOrNumber) {
    struct Case {
        std::string_view written;
        int material;
    };
    for (const Case& c :
         {Case{"*headlight", 100}, Case{"*TAILLIGHT", 101}, Case{"*brass", 18}, Case{"*Glass", 19},
          Case{"*TintedGlass", 20}, Case{"*custom", 31}, Case{"*dkgreen", 2}, Case{"*greyish", 7},
          Case{"*dkgrey", 8}, Case{"*12", 12}, Case{"*300", 0}, Case{"*260", 4}, Case{"*40", 0},
          Case{"*31", 31}, Case{"*32", 0}, Case{"*287", 31}, Case{"*288", 0}, Case{"*-3", 0},
          Case{"*unknown", 0}}) {
        EXPECT_EQ(Read(std::string(kSquare) + std::string(c.written) + "\n")->material, c.material)
            << c.written;
    }
}

TEST_F(FillReaderTest, ModifierMarksAnywhereInTheTail) {
    EXPECT_EQ(Read(std::string(kSquare) + "1/2/3 - x\n")->modifiers, kSingleSided);
    EXPECT_EQ(Read(std::string(kSquare) + "$\n")->modifiers, kSingleSided);
    EXPECT_EQ(Read(std::string(kSquare) + "x \xA3 @\n")->modifiers, kDoubleSided | kAtSignMark);
    // Right after the corners a pound sign is a blank to the field stepping.
    EXPECT_EQ(Read(std::string(kSquare) + "\xA3\n")->modifiers, 0);
    EXPECT_EQ(Read(std::string(kSquare) + "Double normal\n")->modifiers,
              kDoubleSided | kSingleSided);
}

TEST_F(FillReaderTest, TheTailEndsAtACommentStart) {
    auto panel = Read(std::string(kSquare) + "255/0/0 // 9/9/9 [Left]\n");
    EXPECT_EQ(panel->colour, MakeColour(255, 0, 0));
    EXPECT_EQ(panel->sides, SideMask::AllVisible());
    EXPECT_EQ(cursor, kSquare.size() + 8);
    panel = Read(std::string(kSquare) + "255/0/0 #9/9/9\n");
    EXPECT_EQ(panel->colour, MakeColour(255, 0, 0));
}

TEST_F(FillReaderTest, AliasesAreFoundByTheirTextInTheList) {
    aliases.Append("RedBrick", "200/40/40");
    aliases.Append("body", "10/20/30");
    EXPECT_EQ(Read(std::string(kSquare) + ".Body\n")->colour, MakeColour(10, 20, 30));
    // A reference finds the first alias that begins with it.
    EXPECT_EQ(Read(std::string(kSquare) + ".red\n")->colour, MakeColour(200, 40, 40));
    // An unknown alias leaves the colour as it was.
    EXPECT_EQ(Read(std::string(kSquare) + "1/2/3 .missing\n")->colour, MakeColour(1, 2, 3));
    EXPECT_EQ(Read(std::string(kSquare) + ".missing\n")->colour, kDefaultFillColour);
    // Items after an alias are read.
    auto panel = Read(std::string(kSquare) + ".body [Left] *Glass\n");
    EXPECT_EQ(panel->colour, MakeColour(10, 20, 30));
    EXPECT_EQ(panel->sides, (SideMask{{0, 1, 1, 0}}));
    EXPECT_EQ(panel->material, kGlass);
}

TEST_F(FillReaderTest, AFillCutShortByTheEndOfTheTextKeepsWhatItRead) {
    auto panel = Read("fill 3 3 3 6 6");
    EXPECT_EQ(panel->vertices[0].x, 1);
    EXPECT_EQ(panel->vertices[1].y, 2);
    EXPECT_GT(cursor, 14u);
    panel = Read("fill 0 0 0 0 0 0 0 0 0 0 0 3");
    EXPECT_EQ(panel->vertices[3].z, 1);
    EXPECT_EQ(cursor, 29u);  // one past the end
}

}  // namespace
}  // namespace lumtrak::model

#include <gtest/gtest.h>

#include "model/load_environment.h"
#include "preview3d/material_table.h"
#include "scene_test_support.h"

namespace lumtrak::preview3d::testing {
namespace {

using Cab = std::array<double, 3>;

std::vector<rm::Vector> VerticesOf(const rm::Face& face) {
    return {face.GetVertices().begin(), face.GetVertices().end()};
}

using SceneBuilder = SceneTest;

TEST_F(SceneBuilder, LengthGivesTheDefaultCabsAndCabMovesBoth) {
    Build("length 600\n[end]");
    EXPECT_EQ(top->length, 600);
    EXPECT_EQ(top->cab1, (Cab{25, 30, 580}));
    EXPECT_EQ(top->cab2, (Cab{-25, 570, 580}));

    Build("length 600\ncab 20 40 90\n[end]");
    EXPECT_EQ(top->cab1, (Cab{20, 40, 90}));
    EXPECT_EQ(top->cab2, (Cab{-20, 560, 90}));

    // A "cab" on the first line counts, and a later length leaves it.
    Build("cab 20 40 90\nlength 600\n");
    EXPECT_EQ(top->cab1, (Cab{20, 40, 90}));
    EXPECT_EQ(top->cab2, (Cab{-20, -40, 90}));

    Build("metric\nlength 600\ncab2 3 6 9");
    EXPECT_EQ(top->length, 200);
    EXPECT_EQ(top->cab2, (Cab{1, 2, 3}));
}

TEST_F(SceneBuilder, MetricAndLengthPlaceIncludesFromTheirStatementOn) {
    Build(
        "metric\nlength 600\ninclude 30 90 30 bogie\n[end]\n"
        "name bogie\nfill 0 0 0 30 0 0 30 0 30 0 0 30\n[end]\n");
    ASSERT_EQ(top->children.size(), 1u);
    const ScenePart& bogie = Child(*top, 0);
    EXPECT_EQ(bogie.name, "bogie");
    EXPECT_EQ(bogie.offset, (ScenePoint{1, 1, -7}));
    // The included definition starts imperial again.
    ASSERT_EQ(Faces(bogie).size(), 1u);
    ExpectNear(Faces(bogie)[0]->GetVertices()[1], {3, 0, 0});

    Build("include 30 90 30 bogie\nmetric\nlength 600\n[end]\nname bogie\n[end]\n");
    ASSERT_EQ(top->children.size(), 1u);
    EXPECT_EQ(Child(*top, 0).offset, (ScenePoint{3, 3, 9}));
}

TEST_F(SceneBuilder, StripsMakeWhiteTrianglesOfTurningWinding) {
    Build(
        "length 100\nmetric\nstrip\nvertex 0 0 0\nvertex 10 0 0\nvertex 0 10 0\n"
        "vertex 10 10 0\nvertex 0 20 0\nendstrip\nvertex 5 5 5\nvertex 6 6 6\nvertex 7 7 7\n"
        "[end]");
    const rm::Vector a{0, 0, 0}, b{1, 0, 0}, c{0, 0, 1}, d{1, 0, 1}, e{0, 0, 2};
    const auto faces = Faces(*top);
    ASSERT_EQ(faces.size(), 3u);
    const std::vector<std::vector<rm::Vector>> expected{{a, b, c}, {d, c, b}, {c, d, e}};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        EXPECT_EQ(VerticesOf(*faces[i]), expected[i]) << "triangle " << i;
        EXPECT_EQ(faces[i]->GetColor(), 0xFFFFFFFFu);
        EXPECT_EQ(faces[i]->GetMaterial(), engine.Materials().defaultMaterial);
    }
}

TEST_F(SceneBuilder, NumberFormatsTheLabelFromItsOwnLine) {
    Build("number 47 D%05d\ninclude 0 0 0 plate\n[end]\nname plate\nnumber 1 X%d\n[end]");
    EXPECT_EQ(top->labelText, "D00047");
    ASSERT_EQ(top->children.size(), 1u);
    EXPECT_EQ(Child(*top, 0).labelText, "X1");

    Build("include 0 0 0 plate\n[end]\nname plate\n[end]");
    EXPECT_EQ(Child(*top, 0).labelText, "NUMBER");

    Build("number 5\nX%d\n");
    EXPECT_EQ(top->labelText, "");
    Build("number 5 %s %d\n");
    EXPECT_EQ(top->labelText, "%s");
}

TEST_F(SceneBuilder, KeywordsAreFoundInsideOtherWords) {
    // "Wheel" inside a name line is a wheel statement.
    Build("name Wheel 0 0 0 1 90 axle\n[end]\nname axle\n[end]");
    ASSERT_EQ(top->children.size(), 1u);
    EXPECT_EQ(Child(*top, 0).motionParameter, 1);
    EXPECT_EQ(Child(*top, 0).motionKind, 90);
    EXPECT_TRUE(engine.IsAnimated());
    EXPECT_EQ(engine.AnimatedRoot(), top.get());

    // "wheelbase" and "description" end at their line; comments are skipped.
    Build(
        "wheelbase 1 include 0 0 0 a\n# include 0 0 0 a\ndescription include 0 0 0 a\n"
        "// include 0 0 0 a\n[end]\nname a\n[end]");
    EXPECT_TRUE(top->children.empty());
}

TEST_F(SceneBuilder, ASideTagBeforeTheIncludeNameLeavesNoName) {
    Build("include 0 0 0 [left] bogie\n[end]\nname bogie\n[end]");
    EXPECT_TRUE(top->children.empty());
    Build("include 0 0 0 bogie [left]\n[end]\nname bogie\n[end]");
    ASSERT_EQ(top->children.size(), 1u);
    EXPECT_EQ(Child(*top, 0).name, "bogie");
}

TEST_F(SceneBuilder, IncludesAreListedNewestFirstAndTurnedWithABang) {
    Build("include 10 0 0 a\ninclude 20 0 0 !B\n[end]\nname a\n[end]\nname b\n[end]");
    ASSERT_EQ(top->children.size(), 2u);
    EXPECT_EQ(Child(*top, 0).name, "b");
    EXPECT_TRUE(Child(*top, 0).mirrored);
    EXPECT_EQ(Child(*top, 1).name, "a");
    EXPECT_FALSE(Child(*top, 1).mirrored);
    EXPECT_EQ(Child(*top, 0).root, top.get());
}

// A fill on the negative across side whose corners run so that its normal
// points toward +x, back toward the centre.
constexpr std::string_view kInwardFill = "fill -10 0 0 -10 0 10 -10 10 10 -10 10 0 255/0/0";
const std::vector<rm::Vector> kAsWritten{{-1, 0, 0}, {-1, 1, 0}, {-1, 1, 1}, {-1, 0, 1}};
const std::vector<rm::Vector> kReversed{{-1, 1, 0}, {-1, 0, 0}, {-1, 0, 1}, {-1, 1, 1}};

TEST_F(SceneBuilder, FillsFacingTheCentreAreTurnedUnlessMarked) {
    Build(std::string(kInwardFill) + "\n");
    auto faces = Faces(*top);
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_EQ(VerticesOf(*faces[0]), kReversed);
    // The colour bytes over 256: 255 is just below full.
    EXPECT_EQ(faces[0]->GetColor(), rm::ColourFromRGB(255 / 256.0f, 0, 0));
    EXPECT_EQ(faces[0]->GetMaterial(), engine.Materials().defaultMaterial);

    Build(std::string(kInwardFill) + " normal\n");
    faces = Faces(*top);
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_EQ(VerticesOf(*faces[0]), kAsWritten);

    Build(std::string(kInwardFill) + " double\n");
    faces = Faces(*top);
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(VerticesOf(*faces[0]), kAsWritten);
    EXPECT_EQ(VerticesOf(*faces[1]), kReversed);
    ExpectNear(faces[0]->GetNormal(), -faces[1]->GetNormal());

    // Facing outward it stays as written.
    Build("fill -10 10 0 -10 10 10 -10 0 10 -10 0 0\n");
    faces = Faces(*top);
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_LT(faces[0]->GetNormal().x, 0);
}

TEST_F(SceneBuilder, FillsAreShiftedByHalfTheLength) {
    Build("length 100\nfill 0 0 0 10 0 0 10 0 10 0 0 10 normal\n");
    ASSERT_EQ(Faces(*top).size(), 1u);
    ExpectNear(Faces(*top)[0]->GetVertices()[0], {0, 0, -5});
}

TEST_F(SceneBuilder, MaterialCodesChooseSlotsAndTheGlassesAlpha) {
    const auto materialOf = [&](std::string_view tail) {
        Build("fill 0 0 0 10 0 0 10 0 10 0 0 10 10/20/30 normal " + std::string(tail) + "\n");
        return Faces(*top).at(0);
    };
    const MaterialTable& table = engine.Materials();
    const rm::Colour rgb = rm::ColourFromRGB(10 / 256.0f, 20 / 256.0f, 30 / 256.0f) & 0xFFFFFF;

    auto face = materialOf("*TintedGlass");
    EXPECT_EQ(face->GetMaterial(), table.numbered[20]);
    EXPECT_EQ(face->GetColor(), 0xA0000000u | rgb);
    face = materialOf("*Glass");
    EXPECT_EQ(face->GetMaterial(), table.numbered[19]);
    EXPECT_EQ(face->GetColor(), 0x20000000u | rgb);
    EXPECT_EQ(materialOf("*headlight")->GetMaterial(), table.numbered[16]);
    EXPECT_EQ(materialOf("*taillight")->GetMaterial(), table.numbered[17]);
    EXPECT_EQ(materialOf("*red")->GetMaterial(), table.numbered[9]);
    EXPECT_EQ(materialOf("*custom")->GetMaterial(), table.numbered[31]);
    EXPECT_EQ(materialOf("*23")->GetMaterial(), nullptr);  // an empty slot
    face = materialOf("");
    EXPECT_EQ(face->GetMaterial(), table.defaultMaterial);
    EXPECT_EQ(face->GetColor(), 0xFF000000u | rgb);
}

class SceneTextures : public SceneTest {
  protected:
    SceneTextures() {
        document.Write("wood$.bmp", PaletteBmp(8, 8));
        document.Write("plate#.bmp", PaletteBmp(64, 32));
        document.Write("plain.bmp", PaletteBmp(4, 4));
    }
    static std::string Fill(std::string_view texture, std::string_view marks = "normal") {
        return "fill 0 0 0 10 0 0 10 0 10 0 0 10 \"" + std::string(texture) + "\" 0 0 0 " +
               std::string(marks) + "\n";
    }
    static std::vector<rm::TextureCoordinates> CoordinatesOf(const rm::Face& face) {
        return {face.GetAllTextureCoordinates().begin(), face.GetAllTextureCoordinates().end()};
    }
};

TEST_F(SceneTextures, TexturesAreLaidOnWhiteFacesCornerOneFirst) {
    Build(Fill("plain.bmp"));
    const auto face = Faces(*top).at(0);
    ASSERT_TRUE(face->GetTexture());
    EXPECT_FALSE(face->GetTexture()->GetDecalTransparency());
    EXPECT_EQ(face->GetTexture()->GetImage()->width, 4);
    EXPECT_EQ(CoordinatesOf(*face),
              (std::vector<rm::TextureCoordinates>{{1, 0}, {0, 0}, {0, 1}, {1, 1}}));
    EXPECT_EQ(face->GetColor(), 0xFFFFFFFFu);
    EXPECT_EQ(engine.OriginOf(face->GetTexture().get())->number, 1);

    // A texture that cannot be loaded leaves the face white and bare.
    Build(Fill("missing.bmp"));
    EXPECT_FALSE(Faces(*top).at(0)->GetTexture());
    EXPECT_EQ(Faces(*top).at(0)->GetColor(), 0xFFFFFFFFu);
}

TEST_F(SceneTextures, ADollarMakesADecalAndAHashALabel) {
    Build(Fill("wood$.bmp"));
    EXPECT_TRUE(Faces(*top).at(0)->GetTexture()->GetDecalTransparency());

    Build("number 47 D%d\n" + Fill("plate#.bmp"));
    const auto face = Faces(*top).at(0);
    ASSERT_TRUE(face->GetTexture());
    EXPECT_EQ(raster.painted, (std::vector<std::string>{"D47"}));
    const auto origin = engine.OriginOf(face->GetTexture().get());
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->label, "D47");
    // The painted rows go in bottom first: the text stands upside down, as
    // palette index 255 on 0. The fake paints "D47" at columns 20 to 43.
    const rm::Image& image = *face->GetTexture()->GetImage();
    const auto at = [&](int x, int y) { return image.indices[std::size_t(y * image.width + x)]; };
    EXPECT_EQ(at(20, 31), 255);  // the top painted row
    EXPECT_EQ(at(20, 12), 255);  // the twentieth
    EXPECT_EQ(at(20, 11), 0);
    EXPECT_EQ(at(19, 31), 0);
    EXPECT_EQ(at(26, 31), 0);  // between two characters
    // The registry's texture shares the painted image.
    EXPECT_EQ(face->GetTexture()->GetImage(),
              preview3d::RegistryTexture(textures.Find(2)->texture.get())->GetImage());
}

TEST_F(SceneTextures, ADoubleLabelPanelIsPaintedTwiceSharingOneImage) {
    Build("number 5 N%d\n" + Fill("plate#.bmp", "double"));
    const auto faces = Faces(*top);
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(raster.painted, (std::vector<std::string>{"TEXTure", "N5"}));
    ASSERT_TRUE(faces[0]->GetTexture() && faces[1]->GetTexture());
    EXPECT_NE(faces[0]->GetTexture(), faces[1]->GetTexture());
    EXPECT_EQ(faces[0]->GetTexture()->GetImage(), faces[1]->GetTexture()->GetImage());
    EXPECT_EQ(engine.OriginOf(faces[0]->GetTexture().get())->label, "N5");
    EXPECT_EQ(faces[0]->GetColor(), 0xFFFFFFFFu);
}

class SceneIncludes : public SceneTest {
  protected:
    void Index(std::string_view lines) { program.Write("Stock Index", lines); }
};

TEST_F(SceneIncludes, TheIndexNamesAPartByItsNameAndATab) {
    program.Write("Parts/bogie.stk", "name Bogie\nfill 0 0 0 10 0 0 10 0 10 0 0 10\n[end]\n");
    program.Write("Parts/class.stk", "name Class 40 bogie\n[end]\n");
    Index("NODE\r\nParts\r\n  #Bogie\tParts/bogie.stk\r\nClass 40 bogie\tParts/class.stk\r\n");
    Build("include 0 0 0 bogie\ninclude 0 0 0 CLASS 40 BOGIE\n[end]");
    ASSERT_EQ(top->children.size(), 2u);
    EXPECT_EQ(Child(*top, 1).name, "bogie");
    EXPECT_EQ(Faces(Child(*top, 1)).size(), 1u);
    EXPECT_EQ(Child(*top, 0).name, "class 40 bogie");
    EXPECT_TRUE(messages.messages.empty());

    // With a blank instead of the tab the line names nothing.
    Index("Bogie Parts/bogie.stk\r\n");
    Build("include 0 0 0 bogie\n[end]");
    EXPECT_TRUE(top->children.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SceneIncludes, TrailingBlanksCountOnlyInIncludedFiles) {
    Build("include 0 0 0 bogie\n[end]\nname bogie \n[end]");
    EXPECT_EQ(top->children.size(), 1u);

    program.Write("bogie.stk", "name bogie \n[end]\n");
    Index("bogie\tbogie.stk\n");
    Build("include 0 0 0 bogie\n[end]");
    EXPECT_TRUE(top->children.empty());
}

TEST_F(SceneIncludes, FilesThatCannotBeOpenedAreReported) {
    Build("include 0 0 0 bogie\n[end]");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (platform::Message{"Stock Index", "Can't open file"}));

    messages.messages.clear();
    Index("bogie\tmissing.stk\n");
    Build("include 0 0 0 bogie\ninclude 0 0 0 bogie\n[end]");
    EXPECT_EQ(messages.messages.size(), 2u);  // each time it is asked for
    EXPECT_EQ(messages.messages[0], (platform::Message{"missing.stk", "Can't open file"}));
}

TEST_F(SceneIncludes, CyclesAndDeepNestingStop) {
    Build("name a\ninclude 0 0 0 a\n[end]");
    EXPECT_TRUE(top->children.empty());

    Build(
        "name a\ninclude 0 0 0 b\n[end]\nname b\ninclude 0 0 0 a\ninclude 0 0 0 c\n[end]\n"
        "name c\n[end]");
    ASSERT_EQ(top->children.size(), 1u);
    ASSERT_EQ(Child(*top, 0).children.size(), 1u);
    EXPECT_EQ(Child(Child(*top, 0), 0).name, "c");

    std::string chain;
    for (int i = 0; i < 100; ++i) {
        chain += "name p" + std::to_string(i) + "\ninclude 0 0 0 p" + std::to_string(i + 1) +
                 "\n[end]\n";
    }
    Build(chain);
    int depth = 0;
    for (const ScenePart* part = top.get(); !part->children.empty();
         part = part->children.front().get()) {
        ++depth;
    }
    EXPECT_EQ(depth, int(SceneEnvironment::kMaxIncludeDepth));
}

TEST_F(SceneIncludes, PastTheBudgetIncludesPlaceNothingAndLeaveOneNote) {
    environment.limits.includes = 3;
    Build(
        "include 0 0 0 a\ninclude 0 0 0 a\ninclude 0 0 0 a\ninclude 0 0 0 a\n"
        "include 0 0 0 a\n[end]\nname a\n[end]");
    EXPECT_EQ(top->children.size(), 3u);
    ASSERT_EQ(environment.notes.size(), 1u);
    EXPECT_EQ(environment.notes[0], model::LoadBudgetNote(environment.limits));

    // A new build has a new budget; included parts stop at the panel budget.
    environment.notes.clear();
    environment.limits = {};
    environment.limits.panels = 3;
    Build(
        "fill 0 0 0 1 0 0 1 0 1 0 0 1\nfill 0 0 0 1 0 0 1 0 1 0 0 1\ninclude 0 0 0 a\n"
        "fill 0 0 0 1 0 0 1 0 1 0 0 1\nfill 0 0 0 1 0 0 1 0 1 0 0 1\n[end]\n"
        "name a\nfill 0 0 0 1 0 0 1 0 1 0 0 1\nfill 0 0 0 1 0 0 1 0 1 0 0 1\n[end]");
    EXPECT_EQ(Faces(*top).size(), 4u);
    EXPECT_EQ(Faces(Child(*top, 0)).size(), 1u);
    EXPECT_EQ(environment.notes.size(), 1u);
}

TEST_F(SceneIncludes, TheTextsOwnPanelsStopAtACountOfTheirOwn) {
    environment.limits.ownPanels = 2;
    Build(
        "fill 0 0 0 1 0 0 1 0 1 0 0 1\nfill 0 0 0 1 0 0 1 0 1 0 0 1\n"
        "fill 0 0 0 1 0 0 1 0 1 0 0 1\n");
    EXPECT_EQ(Faces(*top).size(), 2u);
    ASSERT_EQ(environment.notes.size(), 1u);
    EXPECT_EQ(environment.notes[0], model::OwnPanelBudgetNote(environment.limits));
}

TEST_F(SceneBuilder, FinishedPartsHaveFramesInTheSceneUntilDestroyed) {
    const std::size_t before = engine.Scene().GetChildren().size();
    Build("include 0 0 0 empty\n[end]\nname empty\n[end]");
    // An included part has a frame even without faces; the top part has one
    // because it has a child.
    ASSERT_TRUE(top->frame);
    ASSERT_TRUE(Child(*top, 0).frame);
    EXPECT_EQ(engine.Scene().GetChildren().size(), before + 2);
    top.reset();
    EXPECT_EQ(engine.Scene().GetChildren().size(), before);

    Build("length 10\n");
    EXPECT_FALSE(top->frame);
}

}  // namespace
}  // namespace lumtrak::preview3d::testing

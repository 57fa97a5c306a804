#include <sstream>

#include "export_test_support.h"

namespace lumtrak::exporter::testing {
namespace {

using preview3d::ScenePart;

// The lines of a text that begin with the keyword, without it.
std::vector<std::string> Lines(const std::string& text, std::string_view keyword) {
    std::vector<std::string> found;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(std::string(keyword) + " ", 0) == 0)
            found.push_back(line.substr(keyword.size() + 1));
    }
    return found;
}

rm::Vector Point(const std::string& values) {
    rm::Vector p;
    std::istringstream(values) >> p.x >> p.y >> p.z;
    return p;
}

class ObjExport : public ExportTest {
  protected:
    ObjExport() { document.Write("key$.bmp", HalfKeyedBmp(8, 4)); }
};

TEST_F(ObjExport, CountsVerticesCoordinatesFacesAndOneGroupPerPart) {
    Build("fill 0 0 0 10 0 0 10 0 10 0 0 10 \"key$.bmp\" 0 0 0 normal\n" +
          std::string(kWheelScene));
    const auto result = Export(ExportFormat::Obj, program / "loco.obj");
    ASSERT_EQ(result.files.size(), 3u);
    EXPECT_EQ(result.files[1].path, program / "loco.mtl");
    EXPECT_EQ(result.files[2].path, program / "loco_texture0.png");
    EXPECT_EQ(result.counts.faces, 5u);
    const std::string& obj = result.files[0].bytes;
    EXPECT_EQ(Lines(obj, "mtllib"), std::vector<std::string>{"loco.mtl"});
    EXPECT_EQ(Lines(obj, "g"), (std::vector<std::string>{"Loco", "bogie", "axle"}));
    EXPECT_EQ(Lines(obj, "v").size(), 20u);
    EXPECT_EQ(Lines(obj, "vt").size(), 4u);
    const auto faces = Lines(obj, "f");
    ASSERT_EQ(faces.size(), 5u);
    // The textured face first, its corners reversed, each with its coordinates.
    EXPECT_EQ(faces[0], "4/4 3/3 2/2 1/1");
    EXPECT_EQ(faces[1], "8 7 6 5");

    const std::string& mtl = result.files[1].bytes;
    EXPECT_EQ(Lines(mtl, "newmtl").size(), 4u);
    EXPECT_EQ(Lines(mtl, "map_Kd"), std::vector<std::string>{"loco_texture0.png"});
    EXPECT_EQ(Lines(mtl, "map_d"), std::vector<std::string>{"loco_texture0.png"});
}

TEST_F(ObjExport, TheSceneIsFlattenedAsPlacedWithTheAcrossAxisMirrored) {
    Build(std::string(kWheelScene));
    const std::string obj = Export(ExportFormat::Obj, "loco.obj").files[0].bytes;
    const auto points = Lines(obj, "v");
    ASSERT_EQ(points.size(), 16u);
    // The axle's first vertex, as its frame places it in the scene.
    const ScenePart& axle = Child(Child(*top, 0), 0);
    const rm::Vector placed =
        axle.frame->GetWorldTransform().Apply(Faces(axle).at(0)->GetVertices()[0]);
    preview3d::testing::ExpectNear(Point(points[8]), {-placed.x, placed.y, placed.z});
    // No texture coordinates for faces without a texture.
    EXPECT_TRUE(Lines(obj, "vt").empty());
}

TEST_F(ObjExport, GlassHasItsAlphaAndLampsGlow) {
    Build(
        "fill 0 0 0 10 0 0 10 0 10 0 0 10 255/255/255 *Glass normal\n"
        "fill 0 5 0 10 5 0 10 5 10 0 5 10 255/40/40 *taillight normal\n"
        "fill 0 5 0 10 5 0 10 5 10 0 5 10 255/40/40 *taillight normal\n");
    const auto result = Export(ExportFormat::Obj, "lamps.obj");
    const std::string& mtl = result.files[1].bytes;
    EXPECT_EQ(Lines(mtl, "newmtl").size(), 2u);                         // one per look
    EXPECT_EQ(Lines(mtl, "d"), std::vector<std::string>{"0.1254902"});  // 0x20 / 255
    EXPECT_EQ(Lines(mtl, "Ke"), std::vector<std::string>{"1 0 0"});
    EXPECT_EQ(Lines(result.files[0].bytes, "usemtl").size(), 2u);
}

TEST(SideFiles, AreNamedAfterTheMainFilesStemBesideIt) {
    const SideFiles sides("out/my.loco.gltf");
    EXPECT_EQ(sides.Path(".bin"), "out/my.loco.bin");
    EXPECT_EQ(sides.Name(SideFiles::TextureSuffix(3)), "my.loco_texture3.png");
    EXPECT_EQ(SideFiles("loco").Path(".mtl"), "loco.mtl");
    EXPECT_EQ(SideFiles("/x/.obj").Path(".mtl"), "/x/.obj.mtl");
    EXPECT_EQ(FormatOfPath("a.b/LOCO.GLTF"), ExportFormat::Gltf);
    EXPECT_EQ(FormatOfPath("a.glb/loco"), std::nullopt);
    EXPECT_EQ(FormatNamed("obj"), ExportFormat::Obj);
    EXPECT_EQ(FormatNamed("OBJ"), std::nullopt);
}

}  // namespace
}  // namespace lumtrak::exporter::testing

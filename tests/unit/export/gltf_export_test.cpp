#include <cmath>

#include "export/gltf_writer.h"
#include "export_test_support.h"
#include "preview3d/animation.h"

namespace lumtrak::exporter::testing {
namespace {

using ::lumtrak::testing::AccessorValues;
using ::lumtrak::testing::GltfFaults;
using ::lumtrak::testing::ReadGltfFile;
using preview3d::ScenePart;

const tinygltf::Primitive& FirstPrimitive(const tinygltf::Model& model, const tinygltf::Node& n) {
    return model.meshes.at(std::size_t(n.mesh)).primitives.at(0);
}

std::vector<double> Attribute(const tinygltf::Model& model, const tinygltf::Primitive& primitive,
                              const std::string& name) {
    return AccessorValues(model, model.accessors.at(std::size_t(primitive.attributes.at(name))));
}

TEST_F(ExportTest, PartsAreNestedNamedNodesPlacedAsTheSceneIs) {
    Build(std::string(kWheelScene));
    const auto result = Export(ExportFormat::Glb, "model.glb");
    EXPECT_EQ(result.counts.parts, 3u);
    EXPECT_EQ(result.counts.faces, 4u);  // the axle's double face is two
    EXPECT_EQ(result.counts.textures, 0u);

    const auto read = Glb();
    const auto& model = read.model;
    ASSERT_EQ(model.nodes.size(), 3u);
    ASSERT_EQ(model.scenes.size(), 1u);
    EXPECT_EQ(model.scenes[0].nodes, std::vector<int>{0});
    const auto& loco = model.nodes[0];
    const auto& bogie = model.nodes[1];
    const auto& axle = model.nodes[2];
    EXPECT_EQ(loco.name, "Loco");
    EXPECT_EQ(loco.scale, (std::vector<double>{-1, 1, 1}));  // right-handed axes
    EXPECT_EQ(loco.children, std::vector<int>{1});
    EXPECT_EQ(bogie.name, "bogie");
    EXPECT_EQ(bogie.children, std::vector<int>{2});
    EXPECT_TRUE(bogie.rotation.empty());
    const auto& offset = Child(*top, 0).offset;
    ASSERT_EQ(bogie.translation.size(), 3u);
    EXPECT_FLOAT_EQ(float(bogie.translation[2]), float(offset.z));
    EXPECT_EQ(axle.name, "axle");
    EXPECT_TRUE(axle.children.empty());
    ASSERT_TRUE(axle.extras.IsObject());
    EXPECT_EQ(axle.extras.Get("motion").Get<std::string>(), "wheel");
    ASSERT_EQ(model.meshes.size(), 3u);
    EXPECT_EQ(model.meshes[std::size_t(axle.mesh)].name, "axle");

    // The wheel at phase 0 stands a quarter turned at tick 0.
    const ScenePart& axlePart = Child(Child(*top, 0), 0);
    const auto placed = axlePart.frame->GetOrientation(Child(*top, 0).frame.get());
    preview3d::testing::ExpectNear(Turned(axle.rotation, {0, 0, 1}), placed.direction);
    preview3d::testing::ExpectNear(Turned(axle.rotation, {0, 1, 0}), placed.up);
}

TEST_F(ExportTest, TheWheelTurnsWithTheTickItIsPlacedFor) {
    Build(std::string(kWheelScene));
    preview3d::UpdatePart(*top, nullptr, 10);
    const auto model = Glb().model;
    const ScenePart& bogie = Child(*top, 0);
    const auto placed = Child(bogie, 0).frame->GetOrientation(bogie.frame.get());
    preview3d::testing::ExpectNear(Turned(model.nodes[2].rotation, {0, 0, 1}), placed.direction);
    // A tenth of a radian a tick, from a quarter turn.
    EXPECT_NEAR(placed.direction.z, std::sin(1.0), 1e-3);
}

TEST_F(ExportTest, AFacesVerticesAreTheScenesWithItsNormalAndAFanOfTriangles) {
    Build(std::string(kWheelScene));
    const auto model = Glb().model;
    const auto& primitive = FirstPrimitive(model, model.nodes[1]);
    const auto positions = Attribute(model, primitive, "POSITION");
    const auto faces = Faces(Child(*top, 0));
    ASSERT_EQ(faces.size(), 1u);
    const auto vertices = faces[0]->GetVertices();
    ASSERT_EQ(positions.size(), 3 * vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        EXPECT_EQ(float(positions[3 * i]), vertices[i].x);
        EXPECT_EQ(float(positions[3 * i + 1]), vertices[i].y);
        EXPECT_EQ(float(positions[3 * i + 2]), vertices[i].z);
    }
    const auto normals = Attribute(model, primitive, "NORMAL");
    const rm::Vector normal = faces[0]->GetNormal();
    EXPECT_EQ(float(normals[0]), normal.x);
    EXPECT_EQ(float(normals[1]), normal.y);
    EXPECT_EQ(float(normals[2]), normal.z);
    const auto& indices = model.accessors.at(std::size_t(primitive.indices));
    EXPECT_EQ(AccessorValues(model, indices), (std::vector<double>{0, 1, 2, 0, 2, 3}));
}

TEST_F(ExportTest, MaterialsCarryColourSlotAndGlass) {
    Build(
        "fill 0 0 0 10 0 0 10 0 10 0 0 10 128/64/32 *Glass normal\n"
        "fill 0 5 0 10 5 0 10 5 10 0 5 10 255/255/220 *headlight normal\n"
        "fill 0 9 0 10 9 0 10 9 10 0 9 10 0/0/0 *Brass normal\n");
    const auto model = Glb().model;
    ASSERT_EQ(model.materials.size(), 3u);
    const auto& glass = model.materials[0];
    EXPECT_EQ(glass.alphaMode, "BLEND");
    // The colour bytes over 256, as the face keeps them.
    EXPECT_EQ(glass.name, "glass_7f3f1f_20");
    ASSERT_EQ(glass.pbrMetallicRoughness.baseColorFactor.size(), 4u);
    EXPECT_DOUBLE_EQ(glass.pbrMetallicRoughness.baseColorFactor[0], 0x7f / 255.0);
    EXPECT_DOUBLE_EQ(glass.pbrMetallicRoughness.baseColorFactor[3], 0x20 / 255.0);
    EXPECT_EQ(glass.extras.Get("materialSlot").Get<int>(), 19);
    const auto& headlight = model.materials[1];
    EXPECT_EQ(headlight.alphaMode, "OPAQUE");
    EXPECT_EQ(headlight.emissiveFactor, (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(headlight.extras.Get("materialSlot").Get<int>(), 16);
    const auto& brass = model.materials[2];
    EXPECT_LT(brass.pbrMetallicRoughness.roughnessFactor, 1.0);  // it shines
    EXPECT_EQ(brass.pbrMetallicRoughness.metallicFactor, 0.0);
}

class TexturedExport : public ExportTest {
  protected:
    TexturedExport() {
        document.Write("key$.bmp", HalfKeyedBmp(8, 4));
        document.Write("plate#.bmp", HalfKeyedBmp(64, 32));
    }
    static std::string Fill(std::string_view texture, int y = 0) {
        const std::string at = std::to_string(y);
        return "fill 0 " + at + " 0 10 " + at + " 0 10 " + at + " 10 0 " + at + " 10 \"" +
               std::string(texture) + "\" 0 0 0 normal\n";
    }
};

TEST_F(TexturedExport, ADecalIsMaskedWithItsColourKeyTransparent) {
    Build(Fill("key$.bmp"));
    const auto model = Glb().model;
    ASSERT_EQ(model.materials.size(), 1u);
    EXPECT_EQ(model.materials[0].alphaMode, "MASK");
    ASSERT_EQ(model.textures.size(), 1u);
    ASSERT_EQ(model.images.size(), 1u);
    const auto& image = model.images[0];
    EXPECT_EQ(image.name, "key$.bmp");
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 4);
    ASSERT_EQ(image.component, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            const auto* pixel = &image.image[std::size_t(4 * (y * 8 + x))];
            EXPECT_EQ(pixel[3], x < 4 ? 0 : 255) << x << "," << y;
            if (x >= 4) {
                EXPECT_EQ(pixel[0], 0x80);
            }
        }
    }
    // The texture coordinates of the face, corner one first.
    const auto coordinates = Attribute(model, FirstPrimitive(model, model.nodes[0]), "TEXCOORD_0");
    EXPECT_EQ(coordinates, (std::vector<double>{1, 0, 0, 0, 0, 1, 1, 1}));
}

TEST_F(TexturedExport, ALabelShowsItsTextAndEveryTextureHasItsOwnNearestSampler) {
    Build("number 47 D%d\n" + Fill("plate#.bmp") + Fill("key$.bmp", 20));
    const auto result = Export(ExportFormat::Glb, "model.glb");
    EXPECT_EQ(result.counts.textures, 2u);
    const auto model = Glb().model;
    ASSERT_EQ(model.textures.size(), 2u);
    ASSERT_EQ(model.samplers.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(model.textures[i].sampler, int(i));
        EXPECT_EQ(model.samplers[i].magFilter, TINYGLTF_TEXTURE_FILTER_NEAREST);
        EXPECT_EQ(model.samplers[i].wrapS, TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE);
        EXPECT_EQ(model.samplers[i].wrapT, TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE);
    }
    EXPECT_EQ(raster.painted, std::vector<std::string>{"D47"});
    // The label image as painted: the text's blocks in the last palette entry
    // (grey in this file) over the first (black), opaque, as it is no decal.
    const auto& label = model.images[0];
    ASSERT_EQ(label.component, 4);
    int painted = 0;
    for (std::size_t i = 0; i < label.image.size(); i += 4) {
        EXPECT_EQ(label.image[i + 3], 255);
        if (label.image[i] == 0x80) ++painted;
    }
    EXPECT_EQ(painted, 3 * 6 * 20);  // three characters, 6 × 20 pixels each
}

TEST_F(TexturedExport, AGltfFileNamesItsBufferAndTexturesBesideItByUri) {
    Build(Fill("key$.bmp") + std::string(kWheelScene));
    const auto result = Export(ExportFormat::Gltf, program / "my loco#1.gltf");
    ASSERT_EQ(result.files.size(), 3u);
    EXPECT_EQ(result.files[1].path, program / "my loco#1.bin");
    EXPECT_EQ(result.files[2].path, program / "my loco#1_texture0.png");
    EXPECT_NE(result.files[0].bytes.find("\"uri\": \"my%20loco%231.bin\""), std::string::npos);
    EXPECT_EQ(result.files[0].bytes.find("data:"), std::string::npos);
    for (const auto& file : result.files)
        ::lumtrak::testing::WriteFileBytes(file.path, file.bytes);
    const auto read = ReadGltfFile(result.files[0].path);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(GltfFaults(read.model), std::vector<std::string>{});
    EXPECT_EQ(read.model.nodes.size(), 3u);
    ASSERT_EQ(read.model.images.size(), 1u);
    EXPECT_EQ(read.model.images[0].uri, "my%20loco%231_texture0.png");
    EXPECT_EQ(read.model.images[0].width, 8);
}

TEST_F(ExportTest, AnEmptyDefinitionIsOneNodeWithoutBuffer) {
    Build("# nothing\n");
    const auto model = Glb().model;
    EXPECT_EQ(model.nodes.size(), 1u);
    EXPECT_TRUE(model.buffers.empty());
    EXPECT_TRUE(model.meshes.empty());
}

TEST(UriOfFileName, KeepsUnreservedBytesAndEscapesTheRest) {
    EXPECT_EQ(UriOfFileName("A-z_0.9~"), "A-z_0.9~");
    EXPECT_EQ(UriOfFileName("a b#%\xA3/"), "a%20b%23%25%A3%2F");
}

}  // namespace
}  // namespace lumtrak::exporter::testing

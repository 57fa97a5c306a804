// The sample locomotive exported to ".glb", read back with tinygltf and drawn
// by the kit's own engine from the preview's default camera: the picture is
// the one the preview draws of the scene itself.
#include <cmath>
#include <map>

#include "export_test_support.h"
#include "preview3d/preview_session.h"

namespace lumtrak::exporter::testing {
namespace {

using ::lumtrak::testing::AccessorValues;

// Builds the scene of a glTF model as the engine's frames, faces, materials
// and textures, under the preview's scene frame. The top node's mirror turns
// the file's right-handed axes back into the engine's, so it is left out.
class Importer {
  public:
    Importer(const tinygltf::Model& model, preview3d::PreviewEngine& engine)
        : model_(model), engine_(engine) {
        for (const auto& texture : model.textures)
            textures_.push_back(MakeTexture(texture));
    }

    void Node(int index, rm::Frame* parent) {
        const auto& node = model_.nodes.at(std::size_t(index));
        auto frame = engine_.Engine().CreateFrame(parent ? parent : &engine_.Scene());
        if (parent != nullptr) {
            const auto& t = node.translation;
            frame->SetPosition(parent, t.empty()
                                           ? rm::Vector{}
                                           : rm::Vector{float(t[0]), float(t[1]), float(t[2])});
            frame->SetOrientation(parent, Turned(node.rotation, {0, 0, 1}),
                                  Turned(node.rotation, {0, 1, 0}));
        } else {
            EXPECT_EQ(node.scale, (std::vector<double>{-1, 1, 1}));
        }
        if (node.mesh != -1) frame->AddVisual(Mesh(model_.meshes.at(std::size_t(node.mesh))));
        frames_.push_back(frame);
        for (const int child : node.children)
            Node(child, frame.get());
    }

  private:
    std::shared_ptr<rm::Texture> MakeTexture(const tinygltf::Texture& texture) {
        const auto& picture = model_.images.at(std::size_t(texture.source));
        auto image = std::make_shared<rm::Image>();
        image->width = picture.width;
        image->height = picture.height;
        for (std::size_t i = 0; i + 3 < picture.image.size(); i += 4) {
            const auto* p = &picture.image[i];
            image->pixels.push_back(p[3] == 0 ? 0 : rm::Colour(p[0]) << 16 | p[1] << 8 | p[2]);
        }
        return engine_.Engine().CreateTexture(image);
    }

    std::shared_ptr<rm::Material> MaterialOf(const tinygltf::Material& material) {
        if (!material.extras.Has("materialSlot")) return nullptr;
        const auto& slot = material.extras.Get("materialSlot");
        if (slot.IsString()) return engine_.Materials().defaultMaterial;
        return engine_.Materials().numbered.at(std::size_t(slot.Get<int>()));
    }

    std::shared_ptr<rm::MeshBuilder> Mesh(const tinygltf::Mesh& mesh) {
        auto builder = engine_.Engine().CreateMeshBuilder();
        for (const auto& primitive : mesh.primitives) {
            const auto& material = model_.materials.at(std::size_t(primitive.material));
            const auto values = [&](const char* name) {
                const auto found = primitive.attributes.find(name);
                if (found == primitive.attributes.end()) return std::vector<double>{};
                return AccessorValues(model_, model_.accessors.at(std::size_t(found->second)));
            };
            const auto positions = values("POSITION");
            const auto coordinates = values("TEXCOORD_0");
            const auto indices =
                AccessorValues(model_, model_.accessors.at(std::size_t(primitive.indices)));
            // The triangles of one face are a fan from its first vertex.
            std::vector<std::vector<std::size_t>> faces;
            for (std::size_t t = 0; t + 2 < indices.size(); t += 3) {
                const auto a = std::size_t(indices[t]);
                if (!faces.empty() && faces.back().front() == a) {
                    faces.back().push_back(std::size_t(indices[t + 2]));
                } else {
                    faces.push_back({a, std::size_t(indices[t + 1]), std::size_t(indices[t + 2])});
                }
            }
            for (const auto& corners : faces)
                builder->AddFace(MakeFace(corners, positions, coordinates, material));
        }
        return builder;
    }

    std::shared_ptr<rm::Face> MakeFace(const std::vector<std::size_t>& corners,
                                       const std::vector<double>& positions,
                                       const std::vector<double>& coordinates,
                                       const tinygltf::Material& material) {
        auto face = engine_.Engine().CreateFace();
        for (const std::size_t c : corners) {
            face->AddVertex({float(positions[3 * c]), float(positions[3 * c + 1]),
                             float(positions[3 * c + 2])});
        }
        const auto& factor = material.pbrMetallicRoughness.baseColorFactor;
        const auto byte = [&](std::size_t i) {
            return std::uint32_t(std::lround(factor[i] * 255));
        };
        face->SetColor(byte(3) << 24 | byte(0) << 16 | byte(1) << 8 | byte(2));
        face->SetMaterial(MaterialOf(material));
        const int texture = material.pbrMetallicRoughness.baseColorTexture.index;
        if (texture != -1) {
            auto shown = textures_.at(std::size_t(texture));
            if (material.alphaMode == "MASK") shown->SetDecalTransparency(true);
            face->SetTexture(shown);
            for (std::size_t i = 0; i < corners.size(); ++i) {
                face->SetTextureCoordinates(i, float(coordinates[2 * corners[i]]),
                                            float(coordinates[2 * corners[i] + 1]));
            }
        }
        return face;
    }

    const tinygltf::Model& model_;
    preview3d::PreviewEngine& engine_;
    std::vector<std::shared_ptr<rm::Texture>> textures_;
    std::vector<std::shared_ptr<rm::Frame>> frames_;
};

class RoundTrip : public ::testing::Test {
  protected:
    RoundTrip() { platform::SetProgramFolderOverride(kSamples); }
    ~RoundTrip() override { platform::SetProgramFolderOverride(""); }

    static constexpr const char* kSamples = LUMTRAK_SAMPLES_DIR;
    model::TextureRegistry textures;
    platform::RecordingMessageSink messages;
    preview3d::testing::FakeTextRaster raster;
    preview3d::SceneEnvironment environment{messages, textures, raster};
};

TEST_F(RoundTrip, TheSampleLocomotiveDrawsAsThePreviewDrawsIt) {
    const std::string text =
        ::lumtrak::testing::ReadFileBytes(std::string(kSamples) + "/Stock/Locomotives/Class40.stk");
    preview3d::PreviewSession session(environment, 50,
                                      std::string(kSamples) + "/Stock/Locomotives");
    // Nearer than the default and turned to the front, so that the glass,
    // the lamps and the number plate show.
    session.SetScrollPosition(preview3d::ScrollBar::Angle, 28);
    session.SetScrollPosition(preview3d::ScrollBar::Distance, 700);
    session.FirstPaint(text, 0, 480, 360);
    session.PlaceForTick(7);
    session.Render();
    const std::vector<rm::Colour> preview(session.Engine()->Picture().begin(),
                                          session.Engine()->Picture().end());

    const auto result = ExportScene(*session.TopPart(), *session.Engine(), textures,
                                    {ExportFormat::Glb, "x.glb", ""});
    EXPECT_EQ(result.counts.textures, 2u);  // the grille and the number plate
    const auto read = ::lumtrak::testing::ReadGlb(result.files.at(0).bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(::lumtrak::testing::GltfFaults(read.model), std::vector<std::string>{});

    // The scene's own parts leave the picture; the file's take their place.
    preview3d::PreviewEngine& engine = *session.Engine();
    const auto children = engine.Scene().GetChildren();
    for (const auto& frame : children) {
        if (frame.get() != &engine.Camera() && frame.get() != &engine.LightFrame()) {
            engine.Scene().DeleteChild(*frame);
        }
    }
    Importer importer(read.model, engine);
    importer.Node(read.model.scenes.at(0).nodes.at(0), nullptr);
    session.Render();
    const auto picture = engine.Picture();

    ASSERT_EQ(picture.size(), preview.size());
    std::size_t different = 0;
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < preview.size(); ++i) {
        if (preview[i] != preview[0]) ++drawn;
        const auto apart = [&](int shift) {
            return std::abs(int((picture[i] >> shift) & 0xFF) - int((preview[i] >> shift) & 0xFF));
        };
        if (apart(16) > 2 || apart(8) > 2 || apart(0) > 2) ++different;
    }
    EXPECT_GT(drawn, preview.size() / 20);  // the locomotive is in the picture
    EXPECT_LE(different, 4u) << different << " of " << preview.size();
}

}  // namespace
}  // namespace lumtrak::exporter::testing

#include <array>
#include <string>

#include "preview3d/animation.h"
#include "preview3d/label_texture.h"
#include "preview3d/scene_builder.h"
#include "preview3d/texture_for_number.h"

namespace lumtrak::preview3d {
namespace {

// The palette indices of a label: the text is drawn in the last palette entry
// on the first.
constexpr std::uint8_t kLabelBackground = 0;
constexpr std::uint8_t kLabelForeground = 255;
// The corners of a face in the reverse winding.
constexpr std::array<std::size_t, 4> kReversedCorners{1, 0, 3, 2};
// What the back of a double-sided label panel is painted with.
constexpr std::string_view kBackOfLabel = "TEXTure";

struct PanelColour {
    float red;
    float green;
    float blue;
};

// The bytes of the panel colour over 256 (not 255), so white is just below 1.
PanelColour ColourOf(const model::Panel& panel) {
    return {static_cast<float>(panel.colour & 0xFF) / 256.0f,
            static_cast<float>((panel.colour >> 8) & 0xFF) / 256.0f,
            static_cast<float>((panel.colour >> 16) & 0xFF) / 256.0f};
}

// Lays the texture over the face's four corners, unwrapped, and shows it
// unshaded by the face's colour.
void ApplyTexture(rm::Face& face, std::shared_ptr<rm::Texture> texture) {
    face.SetTexture(std::move(texture));
    face.SetTextureTopology(false, false);
    face.SetTextureCoordinates(1, 0, 0);
    face.SetTextureCoordinates(0, 1, 0);
    face.SetTextureCoordinates(3, 1, 1);
    face.SetTextureCoordinates(2, 0, 1);
    face.SetColorRGB(255, 255, 255);
}

class FillTexture {
  public:
    FillTexture(ScenePart& part, std::int16_t number, SceneEnvironment& environment)
        : part_(part), number_(number), environment_(environment) {
        if (number == 0) return;
        name_ = environment.textures.TextureName(number);
        texture_ = TextureForNumber(environment.textures, number);
        part.engine.NoteTexture(texture_, number);
    }

    bool Numbered() const { return number_ != 0; }
    bool Named() const { return !name_.empty(); }
    bool IsDecal() const { return name_.find('$') != std::string::npos && texture_; }
    bool IsLabel() const { return name_.find('#') != std::string::npos && texture_; }
    const std::shared_ptr<rm::Texture>& Texture() const { return texture_; }

    // A new texture of the registry texture's image with text painted into it.
    std::shared_ptr<rm::Texture> Label(std::string_view text) {
        auto label = MakeLabelTexture(part_.engine.Engine(), texture_->GetImage(), text,
                                      kLabelBackground, kLabelForeground, environment_.raster);
        part_.engine.NoteTexture(label, number_);
        part_.engine.NoteLabel(texture_->GetImage(), std::string(text));
        return label;
    }

  private:
    ScenePart& part_;
    std::int16_t number_;
    SceneEnvironment& environment_;
    std::string name_;
    std::shared_ptr<rm::Texture> texture_;
};

}  // namespace

void AddPartFace(ScenePart& part, std::shared_ptr<rm::Face> face, model::MaterialCode code) {
    if (!part.meshBuilder) part.meshBuilder = part.engine.CreateMeshBuilder();
    face->SetMaterial(MaterialForCode(part.engine.Materials(), code));
    if (const auto alpha = AlphaForCode(code)) {
        face->SetColor((face->GetColor() & 0x00FFFFFFu) | (rm::Colour(*alpha) << 24));
    }
    part.meshBuilder->AddFace(std::move(face));
}

void FinishPart(ScenePart& part) {
    if (!part.meshBuilder && part.children.empty()) return;
    part.frame = part.engine.CreateFrame();
    if (part.meshBuilder) part.frame->AddVisual(part.meshBuilder);
    // Every part is placed again, from scratch, when the top part finishes
    // last; placing each included part's subtree on the way would only be
    // overwritten, and would cost the tree's size times its depth.
    if (part.root == &part) UpdatePart(part, nullptr, 0);
}

void AddFillFaces(ScenePart& part, const model::Panel& panel, SceneEnvironment& environment) {
    PreviewEngine& engine = part.engine;
    auto face = engine.CreateFace();
    // Which side of the part's centre the panel lies on, across and along.
    int acrossSum = 0;
    int alongSum = 0;
    for (const auto& vertex : panel.vertices) {
        face->AddVertex({vertex.x / 10.0f, vertex.z / 10.0f, vertex.y / 10.0f});
        acrossSum += vertex.x / 10;
        alongSum += vertex.y / 10;
    }
    const PanelColour colour = ColourOf(panel);
    face->SetColorRGB(colour.red, colour.green, colour.blue);
    FillTexture texture(part, panel.texture, environment);

    // A face whose normal points back toward the centre is turned round; two
    // such components cancel. The sided marks decide over that.
    const rm::Vector normal = face->GetNormal();
    bool flip = false;
    if (normal.x > 0 && acrossSum < 0) flip = !flip;
    if (normal.x < 0 && acrossSum > 0) flip = !flip;
    if (normal.z > 0 && alongSum < 0) flip = !flip;
    if (normal.z < 0 && alongSum > 0) flip = !flip;
    bool twoSided = false;
    if (panel.modifiers & model::kSingleSided) flip = false;
    if (panel.modifiers & model::kDoubleSided) flip = twoSided = true;

    if (flip) {
        const auto span = face->GetVertices();
        const std::vector<rm::Vector> corners(span.begin(), span.end());
        if (twoSided) {
            if (texture.Numbered()) {
                ApplyTexture(*face,
                             texture.IsLabel() ? texture.Label(kBackOfLabel) : texture.Texture());
            }
            AddPartFace(part, face, panel.material);
        }
        face = engine.CreateFace();
        for (const std::size_t corner : kReversedCorners) {
            if (corner < corners.size()) face->AddVertex(corners[corner]);
        }
        face->SetColorRGB(colour.red, colour.green, colour.blue);
    }

    if (texture.Named()) {
        if (texture.IsDecal()) {
            texture.Texture()->SetDecalTransparency(true);
            ApplyTexture(*face, texture.Texture());
        } else if (texture.IsLabel()) {
            ApplyTexture(*face, texture.Label(part.labelText));
        } else {
            ApplyTexture(*face, texture.Texture());
        }
    }
    AddPartFace(part, face, panel.material);
}

}  // namespace lumtrak::preview3d

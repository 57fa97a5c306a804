#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "preview3d/preview_engine.h"
#include "preview3d/scene_part.h"
#include "rm/colour.h"
#include "rm/face.h"
#include "rm/geometry.h"
#include "rm/image.h"

// The scene of a 3D preview as it stands, as plain data for the exchange
// formats: its parts with their placements, their faces, and the looks and
// pictures that the faces show.
namespace lumtrak::exporter {

// A picture that faces show: an image of the scene as it is now (a label
// image shows the text painted into it last), with the colour key see-through
// when the texture is a decal.
struct ExportTexture {
    const rm::Image* image = nullptr;
    bool decal = false;
    std::string name;  // the registry's file name, as in the definition
};

// How a face looks: its colour (0xAARRGGBB, alpha below 0xFF for glass), the
// material of its slot, and its texture.
struct ExportMaterial {
    const rm::Material* material = nullptr;  // none for a face without one
    std::optional<int> slot;                 // the table's slot; none for the default
    rm::Colour colour = 0xFFFFFFFF;
    std::optional<std::size_t> texture;  // into SceneSnapshot::textures
    std::string name;                    // unique in the snapshot
};

struct ExportFace {
    std::vector<rm::Vector> vertices;  // in the part's own coordinates, scene units
    // One per vertex for a textured face; empty otherwise.
    std::vector<rm::TextureCoordinates> coordinates;
    // The unit normal on the side from which the face is seen; (0, 1, 0) for a
    // face without area, which shows nothing.
    rm::Vector normal;
    std::size_t material = 0;  // into SceneSnapshot::materials
};

struct ExportPart {
    std::string name;  // as included; the definition's own name for the top part
    std::optional<std::size_t> parent;
    std::vector<std::size_t> children;  // in list order, the most recently included first
    rm::Transform local;                // in the parent's coordinates (the top: the scene's)
    rm::Transform inScene;              // in the scene's coordinates
    preview3d::Motion motion = preview3d::Motion::Still;
    std::vector<ExportFace> faces;
};

struct SceneSnapshot {
    std::vector<ExportPart> parts;  // the top part first, every parent before its children
    std::vector<ExportMaterial> materials;
    std::vector<ExportTexture> textures;

    std::size_t FaceCount() const;
};

// The tree under top as placed now. A part without a frame (no faces, no
// children) stands where a still part would. Faces of fewer than three
// vertices, which show nothing, are left out.
SceneSnapshot TakeSnapshot(const preview3d::ScenePart& top, const preview3d::PreviewEngine& engine,
                           const model::TextureRegistry& textures, std::string topName);

// The name under which a material of the table is known: "default", the
// colour names of slots 0 to 15, "headlight", "taillight", "brass", "glass",
// "tintedglass", "custom", or "slotN"; "none" without a material.
std::string SlotName(const ExportMaterial& material);

}  // namespace lumtrak::exporter

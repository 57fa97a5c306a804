#include "export/scene_snapshot.h"

#include <cstdio>
#include <map>
#include <tuple>

#include "model/materials.h"
#include "model/texture_registry.h"
#include "preview3d/material_table.h"

namespace lumtrak::exporter {
namespace {

using preview3d::ScenePart;

// What tells one look from another.
using MaterialKey = std::tuple<const rm::Material*, rm::Colour, std::optional<std::size_t>>;
using TextureKey = std::pair<const rm::Image*, bool>;

// Where a part without a frame would stand: at its offset, facing as a still
// part faces.
rm::Transform StillPlacement(const ScenePart& part) {
    rm::Transform placement;
    placement.origin = {static_cast<float>(part.offset.x), static_cast<float>(part.offset.y),
                        static_cast<float>(part.offset.z)};
    if (part.mirrored) {
        placement.front = {0, 0, -1};
        placement.right = {-1, 0, 0};
    }
    return placement;
}

class SnapshotBuilder {
  public:
    SnapshotBuilder(const preview3d::PreviewEngine& engine, const model::TextureRegistry& textures)
        : engine_(engine),
          textures_(textures),
          sceneInverse_(rm::Inverse(engine.Scene().GetWorldTransform())) {}

    void Add(const ScenePart& part, std::optional<std::size_t> parent, std::string name) {
        const std::size_t index = snapshot_.parts.size();
        snapshot_.parts.emplace_back();
        ExportPart& added = snapshot_.parts.back();
        added.name = std::move(name);
        added.parent = parent;
        added.motion = part.MotionOf();
        const rm::Transform parentInScene =
            parent ? snapshot_.parts[*parent].inScene : rm::Transform{};
        if (part.frame) {
            added.inScene = rm::Compose(sceneInverse_, part.frame->GetWorldTransform());
            added.local = rm::Compose(rm::Inverse(parentInScene), added.inScene);
        } else {
            added.local = StillPlacement(part);
            added.inScene = rm::Compose(parentInScene, added.local);
        }
        if (part.meshBuilder) {
            for (const auto& face : part.meshBuilder->GetFaces())
                AddFace(index, *face);
        }
        // In list order: the most recently included first.
        for (auto child = part.children.rbegin(); child != part.children.rend(); ++child) {
            snapshot_.parts[index].children.push_back(snapshot_.parts.size());
            Add(**child, index, (*child)->name);
        }
    }

    SceneSnapshot Take() { return std::move(snapshot_); }

  private:
    void AddFace(std::size_t part, const rm::Face& face) {
        if (face.GetVertexCount() < 3) return;
        ExportFace added;
        const auto vertices = face.GetVertices();
        added.vertices.assign(vertices.begin(), vertices.end());
        added.normal = face.GetNormal();
        if (added.normal == rm::Vector{}) added.normal = {0, 1, 0};
        std::optional<std::size_t> texture;
        if (const rm::Texture* shown = face.GetTexture().get();
            shown != nullptr && shown->GetImage() && shown->GetImage()->Complete()) {
            texture = TextureOf(*shown);
            const auto coordinates = face.GetAllTextureCoordinates();
            added.coordinates.assign(coordinates.begin(), coordinates.end());
            added.coordinates.resize(added.vertices.size());
        }
        added.material = MaterialOf(face, texture);
        snapshot_.parts[part].faces.push_back(std::move(added));
    }

    std::size_t TextureOf(const rm::Texture& texture) {
        const TextureKey key{texture.GetImage().get(), texture.GetDecalTransparency()};
        const auto [found, isNew] = textureIndex_.try_emplace(key, snapshot_.textures.size());
        if (isNew) {
            const auto origin = engine_.OriginOf(&texture);
            snapshot_.textures.push_back(
                {key.first, key.second, origin ? textures_.TextureName(origin->number) : ""});
        }
        return found->second;
    }

    std::size_t MaterialOf(const rm::Face& face, std::optional<std::size_t> texture) {
        const rm::Material* material = face.GetMaterial().get();
        const MaterialKey key{material, face.GetColor(), texture};
        const auto [found, isNew] = materialIndex_.try_emplace(key, snapshot_.materials.size());
        if (isNew) {
            ExportMaterial added;
            added.material = material;
            added.slot = engine_.Materials().SlotOf(material);
            added.colour = face.GetColor();
            added.texture = texture;
            added.name = NameOf(added);
            snapshot_.materials.push_back(std::move(added));
        }
        return found->second;
    }

    static std::string NameOf(const ExportMaterial& material) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "_%06x", material.colour & 0xFFFFFFu);
        std::string name = SlotName(material) + colour;
        if (rm::AlphaOf(material.colour) != 0xFF) {
            std::snprintf(colour, sizeof colour, "_%02x", rm::AlphaOf(material.colour));
            name += colour;
        }
        if (material.texture) name += "_texture" + std::to_string(*material.texture);
        return name;
    }

    const preview3d::PreviewEngine& engine_;
    const model::TextureRegistry& textures_;
    rm::Transform sceneInverse_;
    SceneSnapshot snapshot_;
    std::map<MaterialKey, std::size_t> materialIndex_;
    std::map<TextureKey, std::size_t> textureIndex_;
};

}  // namespace

std::size_t SceneSnapshot::FaceCount() const {
    std::size_t count = 0;
    for (const ExportPart& part : parts)
        count += part.faces.size();
    return count;
}

SceneSnapshot TakeSnapshot(const preview3d::ScenePart& top, const preview3d::PreviewEngine& engine,
                           const model::TextureRegistry& textures, std::string topName) {
    SnapshotBuilder builder(engine, textures);
    builder.Add(top, std::nullopt, std::move(topName));
    return builder.Take();
}

std::string SlotName(const ExportMaterial& material) {
    if (material.material == nullptr) return "none";
    if (!material.slot) return "default";
    const int slot = *material.slot;
    if (slot >= 0 && slot < 16) return std::string(model::kColourNames[slot]);
    switch (slot) {
        case preview3d::MaterialTable::kHeadlightSlot:
            return "headlight";
        case preview3d::MaterialTable::kTaillightSlot:
            return "taillight";
        case model::kBrass:
            return "brass";
        case model::kGlass:
            return "glass";
        case model::kTintedGlass:
            return "tintedglass";
        case model::kCustom:
            return "custom";
        default:
            return "slot" + std::to_string(slot);
    }
}

}  // namespace lumtrak::exporter

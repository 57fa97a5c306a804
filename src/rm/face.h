#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "rm/colour.h"
#include "rm/geometry.h"
#include "rm/material.h"
#include "rm/texture.h"

namespace lumtrak::rm {

struct TextureCoordinates {
    float u = 0;  // 0 at the image's left edge, 1 at its right
    float v = 0;  // 0 at the image's top row, 1 at its bottom
    friend bool operator==(const TextureCoordinates&, const TextureCoordinates&) = default;
};

// One flat polygon of a mesh, its vertices in order. A face is seen from the
// side from which its vertices run clockwise; from the other side it is not
// drawn. Its colour is drawn lit, and multiplies its texture; an alpha below
// 0xFF blends it over what lies behind.
class Face {
  public:
    void AddVertex(Vector position);
    std::size_t GetVertexCount() const { return positions_.size(); }
    std::span<const Vector> GetVertices() const { return positions_; }

    // The unit normal on the side from which the face is seen (the zero vector
    // for a face without area).
    Vector GetNormal() const;

    void SetColorRGB(float red, float green, float blue);  // opaque; each 0..1
    void SetColor(Colour colour) { colour_ = colour; }
    Colour GetColor() const { return colour_; }

    void SetMaterial(std::shared_ptr<Material> material) { material_ = std::move(material); }
    const std::shared_ptr<Material>& GetMaterial() const { return material_; }

    void SetTexture(std::shared_ptr<Texture> texture) { texture_ = std::move(texture); }
    const std::shared_ptr<Texture>& GetTexture() const { return texture_; }

    // Texture coordinates never wrap round: the renderer clamps them to the
    // image's edges. The scenes ask for exactly that, so the request is taken
    // and changes nothing.
    void SetTextureTopology(bool /*wrapU*/, bool /*wrapV*/) {}

    // Per vertex; false (and nothing set) for a vertex the face does not have.
    bool SetTextureCoordinates(std::size_t vertex, float u, float v);
    TextureCoordinates GetTextureCoordinates(std::size_t vertex) const;
    std::span<const TextureCoordinates> GetAllTextureCoordinates() const { return coordinates_; }

  private:
    std::vector<Vector> positions_;
    std::vector<TextureCoordinates> coordinates_;
    Colour colour_ = 0xFFFFFFFF;
    std::shared_ptr<Material> material_;
    std::shared_ptr<Texture> texture_;
};

}  // namespace lumtrak::rm

#pragma once

#include <cstdint>
#include <memory>

#include "rm/image.h"

namespace lumtrak::rm {

// A picture laid on faces. It draws its image as the image stands at each render.
class Texture {
  public:
    explicit Texture(std::shared_ptr<Image> image) : image_(std::move(image)) {}

    // The image record; its pixel memory may be painted in place.
    const std::shared_ptr<Image>& GetImage() const { return image_; }

    // With decal transparency on, palette index 0 (true-colour images: black)
    // is not drawn, so what lies behind shows through.
    void SetDecalTransparency(bool on) { decalTransparency_ = on; }
    bool GetDecalTransparency() const { return decalTransparency_; }

  private:
    friend class RenderPass;
    std::shared_ptr<Image> image_;
    bool decalTransparency_ = false;
    // Where the render in progress keeps this texture's prepared form.
    std::uint64_t renderStamp_ = 0;
    std::uint32_t renderSlot_ = 0;
};

}  // namespace lumtrak::rm

#pragma once

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
    std::shared_ptr<Image> image_;
    bool decalTransparency_ = false;
};

}  // namespace lumtrak::rm

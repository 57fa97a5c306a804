#pragma once

#include "rm/colour.h"

namespace lumtrak::rm {

enum class LightType {
    Ambient,      // lights every face alike
    Directional,  // shines along its frame's front (+z) axis
};

// A light, placed by adding it to a frame. Colour channels are clamped to 0..1.
class Light {
  public:
    Light(LightType type, float red, float green, float blue) : type_(type) {
        SetColorRGB(red, green, blue);
    }

    LightType GetType() const { return type_; }
    void SetColorRGB(float red, float green, float blue) {
        colour_ = {Clamp(red), Clamp(green), Clamp(blue)};
    }
    Rgb GetColor() const { return colour_; }

  private:
    static float Clamp(float v) { return v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f; }
    LightType type_;
    Rgb colour_;
};

}  // namespace lumtrak::rm

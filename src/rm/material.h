#pragma once

#include "rm/colour.h"

namespace lumtrak::rm {

// How a face reflects light. Faces keep a reference to their material, so a
// change here shows on every face that uses it. Emissive light is added to the
// face's lit colour; specular light gives highlights whose sharpness is the power.
// Colour values are used clamped to 0..1.
class Material {
  public:
    explicit Material(float power) : power_(power) {}

    void SetPower(float power) { power_ = power; }
    float GetPower() const { return power_; }
    void SetEmissive(float red, float green, float blue) { emissive_ = {red, green, blue}; }
    Rgb GetEmissive() const { return emissive_; }
    void SetSpecular(float red, float green, float blue) { specular_ = {red, green, blue}; }
    Rgb GetSpecular() const { return specular_; }

  private:
    float power_;
    Rgb emissive_;
    Rgb specular_;
};

}  // namespace lumtrak::rm

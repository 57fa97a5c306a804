#pragma once

#include <memory>

#include "rm/device.h"
#include "rm/frame.h"

namespace lumtrak::rm {

// A perspective view of a scene, seen from a camera frame (looking along its
// front, with its up as the picture's up), drawn into a rectangle of a device.
// Only what lies between the front and the back clipping planes (distances
// along the camera's front) is drawn. The field is half the extent of the front
// plane across the longer side of the rectangle.
class Viewport {
  public:
    static constexpr float kDefaultFront = 1.0f;
    static constexpr float kDefaultBack = 100.0f;
    static constexpr float kDefaultField = 0.5f;

    Viewport(std::shared_ptr<Device> device, std::shared_ptr<Frame> camera, int x, int y, int width,
             int height);

    // False, and nothing changed, unless back lies beyond the front plane.
    bool SetBack(float back);
    float GetBack() const { return back_; }
    float GetFront() const { return front_; }
    float GetField() const { return field_; }

    // Fills the rectangle with the background colour of the camera's root frame
    // and forgets all depths in it.
    void Clear();
    // Draws scene (the frame, its visuals and all its descendants') lit by the
    // lights on those frames, at the device's render quality.
    void Render(const Frame& scene);

  private:
    std::shared_ptr<Device> device_;
    std::shared_ptr<Frame> camera_;
    int x_;
    int y_;
    int width_;
    int height_;
    float front_ = kDefaultFront;
    float back_ = kDefaultBack;
    float field_ = kDefaultField;
};

}  // namespace lumtrak::rm

#include "preview3d/camera_sliders.h"

#include <algorithm>
#include <cmath>

#include "model/approximate_pi.h"

namespace lumtrak::preview3d {
namespace {

// The camera control's own value of pi.

double AngleOf(int slider) {
    return (slider - 50) * model::kPi3141 / 50;
}

int SliderOf(double value) {
    return static_cast<int>(std::clamp(value, 0.0, double(kCameraSliderMaximum)));
}

}  // namespace

void ApplyCameraSliders(PreviewEngine& engine, const CameraSliders& sliders) {
    const double yaw = AngleOf(sliders.a);
    const double pitch = AngleOf(sliders.e);
    // SetCameraPosition raises every height by 50, so -v puts the camera at
    // 50 - v.
    engine.SetCameraPosition(2.0 * sliders.x - 100, -sliders.v, 2.0 * sliders.z - 100);
    engine.SetCameraOrientation(std::sin(yaw), -std::sin(pitch), std::cos(yaw), 0, 1, 0);
}

CameraSliders SlidersFromCamera(const PreviewEngine& engine) {
    const ScenePoint position = engine.GetCameraPosition();
    const ScenePoint direction = engine.GetCameraDirection();
    // The sliders' direction (sin yaw, -sin pitch, cos yaw) has a level part
    // of length 1, so the pitch's sine is the height over the level length.
    const double level = std::hypot(direction.x, direction.z);
    const double yaw = std::atan2(direction.x, direction.z);
    const double pitch = level > 0 ? std::asin(std::clamp(-direction.y / level, -1.0, 1.0))
                                   : std::copysign(model::kPi3141 / 2, -direction.y);
    CameraSliders sliders;
    sliders.x = SliderOf(std::trunc((position.x + 100) / 2));
    sliders.z = SliderOf(std::trunc((position.z + 100) / 2));
    sliders.v = SliderOf(std::trunc(50 - position.y));
    sliders.a = SliderOf(std::round(50 + yaw * 50 / model::kPi3141));
    sliders.e = SliderOf(std::round(50 + pitch * 50 / model::kPi3141));
    return sliders;
}

}  // namespace lumtrak::preview3d

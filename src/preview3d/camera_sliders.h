#pragma once

#include "preview3d/preview_engine.h"

namespace lumtrak::preview3d {

// The five sliders of the camera control, each 0 to 100: the position across
// (x), along (z) and in height (v, 50 at the floor of the orbit, larger is
// lower), and the direction as yaw (a) and pitch (e), 50 looking along +z.
struct CameraSliders {
    int x = 0;
    int z = 0;
    int v = 0;
    int a = 0;
    int e = 0;
    friend bool operator==(const CameraSliders&, const CameraSliders&) = default;
};

inline constexpr int kCameraSliderMaximum = 100;

// Places the engine's camera as the sliders say: at (2x - 100, 50 - v,
// 2z - 100), looking along (sin yaw, -sin pitch, cos yaw) with up +y, where
// yaw and pitch are (slider - 50) * pi / 50.
void ApplyCameraSliders(PreviewEngine& engine, const CameraSliders& sliders);

// The sliders that show where the engine's camera stands and looks: the
// position by the inverse of ApplyCameraSliders, truncated toward zero, and
// the direction by the inverse rounded to the nearest step, so that touching
// a slider does not turn the camera. A pitch slider beyond a quarter turn
// (below 25 or above 75) gives the same direction as its mirror inside, which
// is what reads back. Each value is kept inside 0 to 100.
CameraSliders SlidersFromCamera(const PreviewEngine& engine);

}  // namespace lumtrak::preview3d

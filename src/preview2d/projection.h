#pragma once

#include <cstdint>

#include "model/stock_model.h"
#include "preview2d/depth_pool.h"

namespace lumtrak::model {
class ProblemSink;
}

namespace lumtrak::preview2d {

// The fixed directions of the 2D preview.
enum class ViewDirection : std::int32_t { Front = 0, Back = 1, Right = 2, Left = 3 };

// The turning angle in radians: while rotating, one full turn every 9 seconds of
// the tick count; otherwise the direction's fixed angle (other values: Front).
double ViewAngle(ViewDirection direction, bool rotate, std::uint32_t tick);

// The fixed-point rotation for an angle, scaled by three tenths of the wheelbase.
struct Rotation {
    std::int32_t p = 0;
    std::int32_t q = 0;
    bool operator==(const Rotation&) const = default;
};
Rotation RotationFor(double angle, std::int32_t wheelbase);

// The projection's divisor D and the along position H that lands on the centre.
struct ProjectionScale {
    std::int32_t d = 0;
    std::int32_t h = 0;
    bool operator==(const ProjectionScale&) const = default;
};
ProjectionScale ScaleFor(std::int32_t wheelbase, std::int32_t length);

// The 2:1 isometric offset of a rotated point (u, v) from the centre, in pixels.
struct IsoOffset {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const IsoOffset&) const = default;
};
IsoOffset IsoProject(std::int32_t u, std::int32_t v);

// Projects the model's main list for the rotation (p, q) around the centre
// (cx, cy) and the animation frame, and orders the visible panels in pool.
// Panels whose side faces away are left out, and so are those that find the
// pool full; the ends of animated lines swing in the pool's copies; the group
// chains of the panels in the pool get their screen points in the model itself.
// The panels left out for a full pool are reported to problems, if given.
void ProjectModel(model::StockModel& model, DepthPool& pool, std::int32_t cx, std::int32_t cy,
                  std::int32_t p, std::int32_t q, std::int32_t frame,
                  model::ProblemSink* problems = nullptr);

}  // namespace lumtrak::preview2d

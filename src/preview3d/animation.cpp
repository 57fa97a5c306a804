#include "preview3d/animation.h"

#include <cmath>

#include "model/approximate_pi.h"
#include "preview3d/scene_part.h"

namespace lumtrak::preview3d {
namespace {

// The guide search of "motion2" ends within a few dozen steps; this only
// bounds it should a value be no number.
constexpr int kMostGuideSteps = 10000;

rm::Vector ToVector(double x, double y, double z) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

// The front and up that a still part gets, and that a turning part keeps as its
// own axes, so that a turned-round part stays turned round while it moves.
rm::Vector FrontOf(const ScenePart& part) {
    return {0, 0, part.mirrored ? -1.0f : 1.0f};
}
constexpr rm::Vector kUp{0, 1, 0};

void TurnWheel(ScenePart& part, const rm::Frame& reference, std::int32_t tick) {
    double theta = part.motionParameter < 0 ? tick / 10.0 : -tick / 10.0;
    theta += part.motionKind * model::kPi3141 / 180;
    part.frame->SetOrientation(
        &reference, ToVector(0, std::cos(theta), std::sin(theta)),
        ToVector(0, std::cos(theta - model::kHalfPi157), std::sin(theta - model::kHalfPi157)));
}

// Points the part from its position to the point of the guide line (height
// extra 2 + along x extra 3 / 1000) that lies at distance extra 1, searching
// along in the direction of the distance's sign.
void FollowGuide(ScenePart& part, const rm::Frame& rootFrame) {
    const rm::Vector position = part.frame->GetPosition(&rootFrame);
    const double along = position.z + part.root->length / 20.0;
    const double reach = part.extras[0];
    double step = 0;
    double dy = 0;
    double dz = 0;
    double distanceSquared = 0;
    int steps = 0;
    do {
        const double stride = std::sqrt(reach * reach - distanceSquared) / 10;
        step = reach > 0 ? step + stride : step - stride;
        const double guideAlong = along + step;
        const double guideHeight = guideAlong * part.extras[2] / 1000 + part.extras[1];
        dz = guideAlong - along;
        dy = guideHeight - position.y;
        distanceSquared = dy * dy + dz * dz;
    } while (distanceSquared < reach * reach && ++steps < kMostGuideSteps);
    part.frame->SetOrientation(&rootFrame, ToVector(0, dy, dz), ToVector(0, dz, dy));
}

// Points the part at the fixed point (along extra 2, height extra 3).
void PointAtTarget(ScenePart& part, const rm::Frame* rootFrame) {
    const rm::Vector position = part.frame->GetPosition(rootFrame);
    const double along = double(position.z) + double(part.root->length / 20);
    const double dy = part.extras[2] - position.y;
    const double dz = part.extras[1] - along;
    if (rootFrame != nullptr) {
        part.frame->SetOrientation(rootFrame, ToVector(0, dy, dz), ToVector(0, -dz, dy));
    }
}

void Place(ScenePart& part, const rm::Frame& reference, std::int32_t tick) {
    if (!part.frame) return;
    rm::Frame& frame = *part.frame;
    frame.SetPosition(&reference, ToVector(part.offset.x, part.offset.y, part.offset.z));
    const rm::Frame* rootFrame = part.root->frame.get();
    switch (part.MotionOf()) {
        case Motion::Still:
            frame.SetOrientation(&reference, FrontOf(part), kUp);
            break;
        case Motion::Wheel:
            frame.SetAxes(FrontOf(part), kUp);
            TurnWheel(part, reference, tick);
            break;
        case Motion::Motion1:
            if (rootFrame != nullptr) frame.SetOrientation(rootFrame, FrontOf(part), kUp);
            break;
        case Motion::Motion2:
            frame.SetAxes(FrontOf(part), kUp);
            if (rootFrame != nullptr) FollowGuide(part, *rootFrame);
            break;
        case Motion::Motion3:
            frame.SetAxes(FrontOf(part), kUp);
            PointAtTarget(part, rootFrame);
            break;
        case Motion::PositionOnly:
            break;
    }
}

}  // namespace

void UpdatePart(ScenePart& part, const rm::Frame* reference, std::int32_t tick) {
    if (reference != nullptr) Place(part, *reference, tick);
    // A part with children always has a frame once it is finished.
    if (!part.frame) return;
    for (auto& child : part.children)
        Place(*child, *part.frame, tick);
    for (auto& child : part.children)
        UpdatePart(*child, nullptr, tick);
}

}  // namespace lumtrak::preview3d

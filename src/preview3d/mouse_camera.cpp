#include "preview3d/mouse_camera.h"

namespace lumtrak::preview3d {
namespace {

// The whole steps that the distance from anchor to to makes; the anchor
// moves by them.
int TakeSteps(int& anchor, int to) {
    const int steps = (to - anchor) / kDragPixelsPerStep;
    anchor += steps * kDragPixelsPerStep;
    return steps;
}

}  // namespace

int DistancePositionsPerNotch() {
    const ScrollRange range = RangeOf(ScrollBar::Distance);
    return (range.maximum - range.minimum) / 10;
}

void MouseCamera::Press(int x, int y, DragKind kind) {
    dragging_ = true;
    kind_ = kind;
    anchorX_ = x;
    anchorY_ = y;
}

std::vector<BarMove> MouseCamera::MoveTo(int x, int y) {
    std::vector<BarMove> moves;
    if (!dragging_) return moves;
    const int across = TakeSteps(anchorX_, x);
    if (kind_ == DragKind::Light) {
        if (across != 0) moves.push_back({ScrollBar::Light, across});
        anchorY_ = y;
        return moves;
    }
    const int down = TakeSteps(anchorY_, y);
    if (across != 0) moves.push_back({ScrollBar::Angle, across});
    // The height bar's position is the camera's depth: down raises the camera.
    if (down != 0) moves.push_back({ScrollBar::Height, -down * kHeightPositionsPerStep});
    return moves;
}

std::vector<BarMove> MouseCamera::Wheel(int eighths) {
    wheel_ += eighths;
    const int notches = wheel_ / kWheelNotch;
    wheel_ -= notches * kWheelNotch;
    if (notches == 0) return {};
    return {{ScrollBar::Distance, -notches * DistancePositionsPerNotch()}};
}

}  // namespace lumtrak::preview3d

#pragma once

#include <vector>

#include "preview3d/preview_session.h"

namespace lumtrak::preview3d {

// What a drag in the rendering area moves.
enum class DragKind {
    Orbit,  // the left button: the angle bar across, the height bar up and down
    Light,  // the right button, or Shift with the left: the light bar across
};

// How the mouse turns into scroll-bar positions, so that the bars always show
// where the camera is. Every kDragPixelsPerStep pixels of a drag move a bar by
// one step: a line (0.1 radian) of the angle and light bars, a page (one scene
// unit of height) of the height bar, whose line is too fine to be felt. Moving
// the mouse right turns the model with it; moving it down raises the camera,
// so that the model tips towards the viewer. One notch of the wheel moves the
// distance bar by a tenth of its range, rolled away from the viewer closer.
inline constexpr int kDragPixelsPerStep = 5;
inline constexpr int kHeightPositionsPerStep = 10;
inline constexpr int kWheelNotch = 120;  // a notch in eighths of a degree
int DistancePositionsPerNotch();

// A bar and the positions it moves by.
struct BarMove {
    ScrollBar bar;
    int by;
    friend bool operator==(const BarMove&, const BarMove&) = default;
};

class MouseCamera {
  public:
    void Press(int x, int y, DragKind kind);
    // The moves for the mouse now at (x, y) during a drag; what is left over of
    // a step counts towards the next move.
    std::vector<BarMove> MoveTo(int x, int y);
    void Release() { dragging_ = false; }
    bool Dragging() const { return dragging_; }
    // The move of the distance bar for a turn of the wheel, in eighths of a
    // degree (positive away from the viewer); turns of less than a notch add
    // up until they make one.
    std::vector<BarMove> Wheel(int eighths);

  private:
    bool dragging_ = false;
    DragKind kind_ = DragKind::Orbit;
    int anchorX_ = 0;  // where the steps already taken leave the mouse
    int anchorY_ = 0;
    int wheel_ = 0;
};

}  // namespace lumtrak::preview3d

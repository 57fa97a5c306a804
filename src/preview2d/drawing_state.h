#pragma once

#include <cstdint>

#include "platform/tick_source.h"
#include "preview2d/depth_pool.h"
#include "preview2d/drawing_frame.h"

namespace lumtrak::preview2d {

// What the 2D drawings of a process share: the depth pool (filled and emptied by
// each drawing), the animation frame counter (0 at start, never reset), the
// drawing rectangle that the preview window sets before it draws, and the tick
// count that the turning view reads. The editor keeps one for its whole run.
struct DrawingState {
    explicit DrawingState(platform::TickSource& tickSource) : ticks(tickSource) {}
    DrawingState(const DrawingState&) = delete;
    DrawingState& operator=(const DrawingState&) = delete;

    // The state of the running program, reading the steady clock.
    static DrawingState& Process();

    DepthPool pool;
    std::int32_t animationFrame = 0;
    DrawingRect drawingRect;
    platform::TickSource& ticks;
};

}  // namespace lumtrak::preview2d

#include "preview2d/drawing_state.h"

namespace lumtrak::preview2d {

DrawingState& DrawingState::Process() {
    static platform::SteadyTickSource ticks;
    static DrawingState state(ticks);
    return state;
}

}  // namespace lumtrak::preview2d

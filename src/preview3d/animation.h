#pragma once

#include <cstdint>

#include "rm/frame.h"

namespace lumtrak::preview3d {

struct ScenePart;

// Places the part in the reference frame for the animation tick (its position
// at its offset, its orientation by its motion), then every part below it, each
// in its parent's frame, parents before their children. Without a reference
// frame (the top part) the part itself stays where it is. Every placement
// starts afresh from the parent's current placement.
void UpdatePart(ScenePart& part, const rm::Frame* reference, std::int32_t tick);

}  // namespace lumtrak::preview3d

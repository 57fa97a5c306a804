#pragma once

#include <cstdint>
#include <span>

#include "preview2d/canvas.h"
#include "preview2d/raster_canvas.h"

namespace lumtrak::preview2d {

// Draws the lines of one figure with a one-pixel pen, as the preview's painter
// does: each line steps along its longer axis in 16.16 fixed point through the
// pixel centres, a joint's pixel is drawn once and a missing one at a turn is
// put in; an open figure gets square ends half a pixel long. A figure whose
// last point is its first is closed.
void StrokeFigure(std::span<const CanvasPoint> figure, std::uint32_t pixel, RasterPicture& picture);

}  // namespace lumtrak::preview2d

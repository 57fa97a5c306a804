#pragma once

#include <span>
#include <vector>

#include "preview2d/canvas.h"
#include "preview2d/raster_canvas.h"

namespace lumtrak::preview2d {

// Fills figures, each closed by a line back to its start, by the odd-even rule:
// a pixel is filled when its centre lies inside. Edges are followed row by row
// in 16.16 fixed point from the centre of their first row, as the preview's
// painter does, so that both fill the same pixels.
void FillOddEven(std::span<const std::vector<CanvasPoint>> figures, std::uint32_t pixel,
                 RasterPicture& picture);

}  // namespace lumtrak::preview2d

#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "rm/colour.h"

namespace lumtrak::rm {

// A picture of width × height pixels (rows top first, the alpha byte ignored)
// as the bytes of a PNG file: 8-bit RGB, not interlaced. Empty when the picture
// has no pixels, pixels holds fewer than it needs, or the encoder fails.
std::string PngFileBytes(int width, int height, std::span<const Colour> pixels);

}  // namespace lumtrak::rm

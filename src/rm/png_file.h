#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "rm/colour.h"

namespace lumtrak::rm {

// Whether a PNG file keeps the alpha byte of each pixel (0 transparent, 0xFF
// opaque) or holds red, green and blue only.
enum class PngAlpha { Drop, Keep };

// A picture of width × height pixels (rows top first) as the bytes of a PNG
// file: 8-bit RGB, or RGBA when the alpha is kept, not interlaced. Empty when
// the picture has no pixels, pixels holds fewer than it needs, or the encoder
// fails.
std::string PngFileBytes(int width, int height, std::span<const Colour> pixels,
                         PngAlpha alpha = PngAlpha::Drop);

}  // namespace lumtrak::rm

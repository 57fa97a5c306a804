#include "rm/colour.h"

namespace lumtrak::rm {

std::uint8_t ColourByte(float value) {
    if (!(value > 0.0f)) return 0;  // also NaN
    if (value >= 1.0f) return 0xFF;
    return static_cast<std::uint8_t>(value * 255.0f);
}

Colour ColourFromRGB(float red, float green, float blue) {
    return 0xFF000000u | Colour(ColourByte(red)) << 16 | Colour(ColourByte(green)) << 8 |
           Colour(ColourByte(blue));
}

}  // namespace lumtrak::rm

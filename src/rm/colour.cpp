#include "rm/colour.h"

namespace lumtrak::rm {
std::uint8_t ColourByte(float value) {
    return static_cast<std::uint8_t>(Clamp01(value) * 255.0f);
}

std::uint8_t RoundedColourByte(float value) {
    return static_cast<std::uint8_t>(Clamp01(value) * 255.0f + 0.5f);
}

Colour ColourFromRGB(float red, float green, float blue) {
    return OpaqueColour(ColourByte(red), ColourByte(green), ColourByte(blue));
}

Colour RoundedColourFromRGB(float red, float green, float blue) {
    return OpaqueColour(RoundedColourByte(red), RoundedColourByte(green), RoundedColourByte(blue));
}

}  // namespace lumtrak::rm

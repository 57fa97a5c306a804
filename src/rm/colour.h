#pragma once

#include <cstdint>

namespace lumtrak::rm {

// One colour as a 32-bit value: alpha in the top byte, then red, green, blue
// (0xAARRGGBB). An alpha of 0xFF is opaque.
using Colour = std::uint32_t;

// A colour channel from 0 to 1 as a byte: values outside 0..1 are clamped, the
// rest scaled by 255 and truncated.
std::uint8_t ColourByte(float value);

// An opaque colour from red, green and blue from 0 to 1.
Colour ColourFromRGB(float red, float green, float blue);

constexpr std::uint8_t AlphaOf(Colour c) {
    return static_cast<std::uint8_t>(c >> 24);
}
constexpr std::uint8_t RedOf(Colour c) {
    return static_cast<std::uint8_t>(c >> 16);
}
constexpr std::uint8_t GreenOf(Colour c) {
    return static_cast<std::uint8_t>(c >> 8);
}
constexpr std::uint8_t BlueOf(Colour c) {
    return static_cast<std::uint8_t>(c);
}

// Red, green and blue as three values, as lights and materials keep them.
struct Rgb {
    float red = 0;
    float green = 0;
    float blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace lumtrak::rm

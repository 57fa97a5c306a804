#pragma once

#include <cstdint>

// Colours and their channels: every packing of a colour and every conversion
// of a channel between 0..1 and a byte in the engine is here.
namespace lumtrak::rm {

// One colour as a 32-bit value: alpha in the top byte, then red, green, blue
// (0xAARRGGBB). An alpha of 0xFF is opaque.
using Colour = std::uint32_t;

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

// An opaque colour from red, green and blue bytes (each 0 to 255).
constexpr Colour OpaqueColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

// A channel clamped to 0..1; NaN gives 0.
constexpr float Clamp01(float value) {
    return value > 0.0f ? (value < 1.0f ? value : 1.0f) : 0.0f;
}

// A channel from 0 to 1 as a byte; values outside 0..1 (and NaN) are clamped.
// A face keeps the colour it is given truncated (ColourByte), and the colour a
// scene reads back from a face is that byte. The renderer rounds what it
// computes (RoundedColourByte), so that a face colour byte b, lit by 1 and
// carried as b / 255, comes out as b again.
std::uint8_t ColourByte(float value);
std::uint8_t RoundedColourByte(float value);

// An opaque colour from red, green and blue from 0 to 1: truncated as a face
// keeps it, and rounded as the renderer writes it.
Colour ColourFromRGB(float red, float green, float blue);
Colour RoundedColourFromRGB(float red, float green, float blue);

// A texel's channel under a lit channel (both bytes), rounded: a lit channel
// of 255 shows the texel unchanged.
constexpr std::uint32_t ModulatedByte(std::uint32_t texel, std::uint32_t lit) {
    return (texel * lit + 127) / 255;
}

// over laid on under with the opacity alpha (0 to 255), each channel rounded;
// the result is opaque.
constexpr Colour Blend(Colour over, Colour under, std::uint32_t alpha) {
    const auto mix = [alpha](std::uint32_t a, std::uint32_t b) {
        return (a * alpha + b * (255 - alpha) + 127) / 255;
    };
    return OpaqueColour(mix(RedOf(over), RedOf(under)), mix(GreenOf(over), GreenOf(under)),
                        mix(BlueOf(over), BlueOf(under)));
}

// Red, green and blue as three values, as lights and materials keep them.
struct Rgb {
    float red = 0;
    float green = 0;
    float blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace lumtrak::rm

#include <gtest/gtest.h>

#include <cmath>

#include "rm/colour.h"

namespace lumtrak::rm {
namespace {

TEST(Colour, AFaceKeepsItsChannelsTruncatedAndTheRendererRoundsThem) {
    EXPECT_EQ(ColourByte(255.0f / 256.0f), 254);  // the scene builder's colour 255
    EXPECT_EQ(ColourByte(0.9999f), 254);
    EXPECT_EQ(RoundedColourByte(0.9999f), 255);
    EXPECT_EQ(ColourByte(0.5f), 127);
    EXPECT_EQ(RoundedColourByte(0.5f), 128);
    // Every byte carried as byte / 255 comes back unchanged both ways.
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(ColourByte(float(b) / 255.0f), b);
        EXPECT_EQ(RoundedColourByte(float(b) / 255.0f), b);
    }
    for (float outside : {-0.5f, 1.5f, std::nanf("")}) {
        EXPECT_EQ(ColourByte(outside), RoundedColourByte(outside));
        EXPECT_EQ(ColourByte(outside), outside > 1 ? 255 : 0);
    }
    EXPECT_EQ(ColourFromRGB(1, 0.5f, 0), 0xFFFF7F00u);
    EXPECT_EQ(RoundedColourFromRGB(1, 0.5f, 0), 0xFFFF8000u);
    EXPECT_EQ(OpaqueColour(0x12, 0x34, 0x56), 0xFF123456u);
}

TEST(Colour, TexelsUnderALitChannelAndBlendsRound) {
    for (std::uint32_t texel : {0u, 1u, 128u, 255u}) {
        EXPECT_EQ(ModulatedByte(texel, 255), texel);
        EXPECT_EQ(ModulatedByte(texel, 0), 0u);
    }
    EXPECT_EQ(ModulatedByte(128, 128), 64u);  // 64.25
    EXPECT_EQ(ModulatedByte(255, 128), 128u);
    EXPECT_EQ(ModulatedByte(3, 170), 2u);  // exactly 2

    const Colour over = 0xFFFF0000;
    const Colour under = 0xFF0000FF;
    EXPECT_EQ(Blend(over, under, 255), 0xFFFF0000u);
    EXPECT_EQ(Blend(over, under, 0), 0xFF0000FFu);
    EXPECT_EQ(Blend(over, under, 128), 0xFF80007Fu);            // 128.5 and 127.5 rounded down
    EXPECT_EQ(Blend(0x00102030, 0xFF102030, 77), 0xFF102030u);  // alpha bytes play no part
}

}  // namespace
}  // namespace lumtrak::rm

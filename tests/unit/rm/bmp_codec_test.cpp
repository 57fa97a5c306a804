#include "rm/bmp_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtrak::rm {
namespace {

// Builds BMP files field by field.
class BmpBytes {
  public:
    BmpBytes& U8(unsigned v) {
        bytes.push_back(std::uint8_t(v));
        return *this;
    }
    BmpBytes& U16(unsigned v) { return U8(v & 0xFF).U8(v >> 8); }
    BmpBytes& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    BmpBytes& Raw(std::initializer_list<unsigned> values) {
        for (unsigned v : values)
            U8(v);
        return *this;
    }

    // File header and a 40-byte information header; the palette and the bits
    // follow, the bits at the offset given.
    static BmpBytes Headers(std::int32_t width, std::int32_t height, unsigned bits,
                            unsigned compression, unsigned coloursUsed, unsigned bitsOffset) {
        BmpBytes b;
        b.U8('B').U8('M').U32(0).U32(0).U32(bitsOffset);
        b.U32(40).U32(std::uint32_t(width)).U32(std::uint32_t(height)).U16(1).U16(bits);
        b.U32(compression).U32(0).U32(0).U32(0).U32(coloursUsed).U32(0);
        return b;
    }

    std::vector<std::uint8_t> bytes;
};

Image PalettisedSample() {
    Image image = MakePalettisedImage(3, 2);
    image.indices = {1, 2, 3, 4, 5, 255};
    for (Colour c = 0; c < 256; ++c)
        image.palette.push_back(c * 0x010203u & 0xFFFFFF);
    return image;
}

TEST(Bmp, RoundTripsPalettisedAndTrueColourImages) {
    const Image palettised = PalettisedSample();
    auto read = ReadBmp(WriteBmp(palettised));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->width, 3);
    EXPECT_EQ(read->height, 2);
    EXPECT_EQ(read->indices, palettised.indices);
    EXPECT_EQ(read->palette, palettised.palette);

    Image colour;
    colour.width = 2;
    colour.height = 3;
    colour.pixels = {0x102030, 0xFFFFFF, 0, 0xABCDEF, 0x010203, 0x7F0080};
    const auto bytes = WriteBmp(colour);
    EXPECT_EQ(bytes.size(), 54u + 3 * 8);  // rows of 6 bytes padded to 8
    read = ReadBmp(bytes);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->indices.empty());
    EXPECT_EQ(read->pixels, colour.pixels);
}

TEST(Bmp, ReadsOneAndFourBitRowsIntoPaletteIndices) {
    // 10 x 2 at one bit: rows of 2 bytes padded to 4, bottom row first.
    auto one = BmpBytes::Headers(10, 2, 1, 0, 2, 54 + 8);
    one.U32(0x000000).U32(0xFFFFFF);
    one.Raw({0b10000000, 0b01000000, 0, 0});  // bottom: x 0 and x 9
    one.Raw({0b01010101, 0b00000000, 0, 0});  // top
    auto image = ReadBmp(one.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->indices, (std::vector<std::uint8_t>{0, 1, 0, 1, 0, 1, 0, 1, 0, 0,  //
                                                         1, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(image->palette, (std::vector<Colour>{0, 0xFFFFFF}));

    // 3 x 1 at four bits, stored top-down (negative height).
    auto four = BmpBytes::Headers(3, -1, 4, 0, 0, 54 + 64);
    for (int i = 0; i < 16; ++i)
        four.U32(std::uint32_t(i));
    four.Raw({0x1F, 0xA0, 0, 0});
    image = ReadBmp(four.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->indices, (std::vector<std::uint8_t>{1, 15, 10}));
    EXPECT_EQ(image->palette.size(), 16u);
}

TEST(Bmp, ReadsRunLengthEncodedRows) {
    // 4 x 2 at RLE8: bottom row a run of 3 sevens and a literal 9; the top row
    // moved past by a delta of one pixel, then a run of one 5.
    auto rle8 = BmpBytes::Headers(4, 2, 8, 1, 0, 54 + 1024);
    for (int i = 0; i < 256; ++i)
        rle8.U32(0);
    rle8.Raw({3, 7, 0, 3, 9, 8, 6, 0, 0, 0, 0, 2, 1, 0, 1, 5, 0, 1});
    auto image = ReadBmp(rle8.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->indices, (std::vector<std::uint8_t>{0, 5, 0, 0, 7, 7, 7, 9}));

    // 6 x 1 at RLE4: a run of 3 alternating 1, 2; a literal of 3 nibbles.
    auto rle4 = BmpBytes::Headers(6, 1, 4, 2, 16, 54 + 64);
    for (int i = 0; i < 16; ++i)
        rle4.U32(0);
    rle4.Raw({3, 0x12, 0, 3, 0x34, 0x50, 0, 1});
    image = ReadBmp(rle4.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->indices, (std::vector<std::uint8_t>{1, 2, 1, 3, 4, 5}));

    // Runs beyond the row's end and moves beyond the image are dropped.
    auto wild = BmpBytes::Headers(2, 1, 8, 1, 0, 54);
    wild.Raw({200, 1, 0, 2, 255, 255, 9, 9});
    image = ReadBmp(wild.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->indices, (std::vector<std::uint8_t>{1, 1}));
}

TEST(Bmp, ReadsThirtyTwoAndSixteenBitPixels) {
    auto rgb32 = BmpBytes::Headers(2, 1, 32, 0, 0, 54);
    rgb32.U32(0xFF112233).U32(0x00445566);
    auto image = ReadBmp(rgb32.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<Colour>{0x112233, 0x445566}));

    // 5-6-5 bit fields.
    auto rgb16 = BmpBytes::Headers(2, 1, 16, 3, 0, 66);
    rgb16.U32(0xF800).U32(0x07E0).U32(0x001F);
    rgb16.U16(0xF800).U16(0x07FF);
    image = ReadBmp(rgb16.bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<Colour>{0xFF0000, 0x00FFFF}));
}

TEST(Bmp, RejectsWhatTheFileCannotHold) {
    EXPECT_FALSE(ReadBmp({}));
    const std::string text = "BM not an image at all";
    EXPECT_FALSE(
        ReadBmp(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
    // A header that promises 60000 x 60000 pixels over a few bytes.
    auto huge = BmpBytes::Headers(60000, 60000, 24, 0, 0, 54);
    huge.Raw({1, 2, 3, 4});
    EXPECT_FALSE(ReadBmp(huge.bytes));
    // Run-length data may be short, but not for an image beyond any texture.
    auto rle = BmpBytes::Headers(60000, 60000, 8, 1, 0, 54);
    rle.Raw({0, 1});
    EXPECT_FALSE(ReadBmp(rle.bytes));
    // A bits offset past the end, a zero width, an unknown depth.
    auto past = BmpBytes::Headers(1, 1, 24, 0, 0, 1000);
    past.Raw({1, 2, 3, 0});
    EXPECT_FALSE(ReadBmp(past.bytes));
    auto zero = BmpBytes::Headers(0, 1, 24, 0, 0, 54);
    zero.Raw({1, 2, 3, 0});
    EXPECT_FALSE(ReadBmp(zero.bytes));
    auto odd = BmpBytes::Headers(1, 1, 7, 0, 0, 54);
    odd.Raw({1, 2, 3, 0});
    EXPECT_FALSE(ReadBmp(odd.bytes));
    // The last row may lack its padding; a missing pixel is not forgiven.
    auto unpadded = BmpBytes::Headers(1, 2, 24, 0, 0, 54);
    unpadded.Raw({1, 2, 3, 0, 4, 5, 6});
    EXPECT_TRUE(ReadBmp(unpadded.bytes));
    unpadded.bytes.pop_back();
    EXPECT_FALSE(ReadBmp(unpadded.bytes));
}

}  // namespace
}  // namespace lumtrak::rm

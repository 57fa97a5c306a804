#include "rm/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include <vector>

namespace lumtrak::rm {
namespace {

// The file read back with libpng as 8-bit RGB (or RGBA).
std::vector<std::uint8_t> Decode(const std::string& bytes, png_image& image,
                                 png_uint_32 format = PNG_FORMAT_RGB) {
    image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
    image.format = format;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    return rgb;
}

TEST(PngFile, WritesTheRgbOfEveryPixelRowsTopFirst) {
    const std::vector<Colour> pixels = {0xFF102030, 0x00405060, 0x12FFFFFF,
                                        0xFF000000, 0xFF800000, 0xFF0000FF};
    const std::string bytes = PngFileBytes(3, 2, pixels);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    png_image image;
    const auto rgb = Decode(bytes, image);
    ASSERT_EQ(image.width, 3u);
    ASSERT_EQ(image.height, 2u);
    EXPECT_EQ(rgb, (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0xFF, 0xFF, 0xFF,
                                              0, 0, 0, 0x80, 0, 0, 0, 0, 0xFF}));
}

TEST(PngFile, KeepsTheAlphaOfEveryPixelWhenAsked) {
    const std::vector<Colour> pixels = {0x00102030, 0x80405060, 0xFFFFFFFF};
    const std::string bytes = PngFileBytes(3, 1, pixels, PngAlpha::Keep);
    png_image image;
    EXPECT_EQ(Decode(bytes, image, PNG_FORMAT_RGBA),
              (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 0x00, 0x40, 0x50, 0x60, 0x80, 0xFF, 0xFF,
                                         0xFF, 0xFF}));
    EXPECT_EQ(bytes.at(25), PNG_COLOR_TYPE_RGB_ALPHA);  // the header's colour type
}

TEST(PngFile, NothingForAPictureWithoutPixels) {
    EXPECT_TRUE(PngFileBytes(0, 4, std::vector<Colour>(4)).empty());
    EXPECT_TRUE(PngFileBytes(2, 2, std::vector<Colour>(3)).empty());
    EXPECT_FALSE(PngFileBytes(1, 1, std::vector<Colour>(1)).empty());
}

}  // namespace
}  // namespace lumtrak::rm

#include "preview3d/bitmap_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace lumtrak::preview3d {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t(bytes.at(at)) | std::uint32_t(bytes.at(at + 1)) << 8 |
           std::uint32_t(bytes.at(at + 2)) << 16 | std::uint32_t(bytes.at(at + 3)) << 24;
}
std::uint32_t U16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t(bytes.at(at)) | std::uint32_t(bytes.at(at + 1)) << 8;
}

CaptureBitmap Picture(int width, int height, int bits) {
    CaptureBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitsPerPixel = bits;
    bitmap.pixels.assign(std::size_t(width) * std::size_t(height), 0xFF102030);
    return bitmap;
}

TEST(BitmapFile, AFrameOfAnEightHundredBySixHundredWindowOnA32BitScreen) {
    const auto bytes = BitmapFileBytes(Picture(752, 456, 32));
    EXPECT_EQ(U16(bytes, 0), 0x4D42u);
    EXPECT_EQ(U32(bytes, 2), 54u + 1371648u);  // file size
    EXPECT_EQ(U32(bytes, 6), 0u);
    EXPECT_EQ(U32(bytes, 10), 54u);  // offset of the bits
    EXPECT_EQ(U32(bytes, 14), 40u);
    EXPECT_EQ(U32(bytes, 18), 752u);
    EXPECT_EQ(U32(bytes, 22), 456u);
    EXPECT_EQ(U16(bytes, 26), 1u);
    EXPECT_EQ(U16(bytes, 28), 32u);
    EXPECT_EQ(U32(bytes, 30), 0u);        // uncompressed
    EXPECT_EQ(U32(bytes, 34), 1371648u);  // image size
    EXPECT_EQ(U32(bytes, 38), 0u);
    EXPECT_EQ(U32(bytes, 42), 0u);
    EXPECT_EQ(U32(bytes, 46), 0u);  // colours used
    EXPECT_EQ(U32(bytes, 50), 0u);
    ASSERT_EQ(bytes.size(), 54u + 1371648u);
    // Blue, green, red and a zero byte.
    EXPECT_EQ(U32(bytes, 54), 0x00102030u);
}

TEST(BitmapFile, ColourTablesAndRowsFollowTheScreensDepth) {
    // A 16-bit screen: 65 536 empty colour table entries before the bits.
    auto bytes = BitmapFileBytes(Picture(752, 456, 16));
    EXPECT_EQ(U32(bytes, 10), 262198u);
    EXPECT_EQ(U32(bytes, 46), 65536u);
    EXPECT_EQ(U32(bytes, 54), 0u);
    EXPECT_EQ(U16(bytes, 262198), (0x10u >> 3) << 10 | (0x20u >> 3) << 5 | (0x30u >> 3));

    // A depth that is no format of its own keeps its own value in the header
    // and is written at the next depth up.
    bytes = BitmapFileBytes(Picture(3, 2, 15));
    EXPECT_EQ(U16(bytes, 28), 15u);
    EXPECT_EQ(U32(bytes, 34), 1u * 2u * 16u);

    // 24 bits: rows padded to four bytes, bottom row first.
    CaptureBitmap picture = Picture(3, 2, 24);
    picture.pixels[0] = 0xFFAABBCC;  // top left
    bytes = BitmapFileBytes(picture);
    EXPECT_EQ(U32(bytes, 34), 48u);
    EXPECT_EQ(bytes[54], 0x30);       // bottom row, blue of the first pixel
    EXPECT_EQ(bytes[54 + 12], 0xCC);  // the top row starts after the padded bottom row
    EXPECT_EQ(bytes[54 + 13], 0xBB);
    EXPECT_EQ(bytes[54 + 14], 0xAA);
}

TEST(BitmapFile, PalettisedDepthsHaveTheirTableAndRowsThatFitTheImageSize) {
    const auto bytes = BitmapFileBytes(Picture(40, 8, 1));
    EXPECT_EQ(U32(bytes, 46), 2u);
    EXPECT_EQ(U32(bytes, 10), 62u);
    EXPECT_EQ(U32(bytes, 58), 0x00FFFFFFu);  // white, the second entry
    // The image size holds 5 bytes a row while rows take 8: only whole rows
    // that fit are written, and nothing beyond the file.
    EXPECT_EQ(U32(bytes, 34), 40u);
    EXPECT_EQ(bytes.size(), 62u + 40u);

    const auto eight = BitmapFileBytes(Picture(4, 1, 8));
    EXPECT_EQ(U32(eight, 46), 256u);
    // A row of four pixels takes four bytes; the image size counts eight.
    EXPECT_EQ(U32(eight, 34), 8u);
    EXPECT_EQ(eight.size(), 54u + 1024u + 8u);
}

TEST(BitmapFile, CaptureFilesAreNumberedInTheirFolder) {
    EXPECT_EQ(CaptureFramePath("/tmp/x", 0), "/tmp/x/Temp00.bmp");
    EXPECT_EQ(CaptureFramePath("/tmp/x", 30), "/tmp/x/Temp30.bmp");
    EXPECT_FALSE(DefaultCaptureFolder().empty());

    testing::TempFolder folder;
    const std::string path = CaptureFramePath(folder.Path().string(), 7);
    WriteBitmapFile(Picture(2, 2, 32), path);
    // The image size of a 32-bit picture two pixels wide is 1 x 2 x 32 bytes.
    EXPECT_EQ(testing::ReadFileBytes(path).size(), 54u + 64u);
    // A file that cannot be written is missing; nothing is reported.
    WriteBitmapFile(Picture(2, 2, 32), folder / "no/such/folder/Temp00.bmp");
}

}  // namespace
}  // namespace lumtrak::preview3d

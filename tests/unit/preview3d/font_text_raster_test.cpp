#include "preview3d/font_text_raster.h"

#include <gtest/gtest.h>

#include "preview3d/label_lines.h"

namespace lumtrak::preview3d::testing {
namespace {

// The extent of what was painted.
struct Ink {
    int left = 1 << 30;
    int right = -1;
    int top = 1 << 30;
    int bottom = -1;
};

Ink InkOf(const MonoBitmap& bitmap) {
    Ink ink;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (!bitmap.At(x, y)) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

TEST(LabelLines, AmpersandsUnderlineAndLineFeedsBreak) {
    const auto lines = LabelLines("A&B&&C&\tx\r\n&");
    ASSERT_EQ(lines.size(), 2u);
    const LabelLine& first = lines[0];
    ASSERT_EQ(first.size(), 7u);
    EXPECT_EQ(first[1].codePoint, U'B');
    EXPECT_TRUE(first[1].underlined);
    EXPECT_EQ(first[2].codePoint, U'&');  // "&&" is one, not underlining
    EXPECT_FALSE(first[2].underlined);
    EXPECT_EQ(first[4].codePoint, U' ');  // the tab, underlined
    EXPECT_TRUE(first[4].underlined);
    EXPECT_EQ(first[6].codePoint, U' ');  // the carriage return
    EXPECT_TRUE(lines[1].empty());        // the last '&' is dropped

    // Bytes 0x80 to 0xFF are Windows-1252.
    EXPECT_EQ(LabelLines("\x80\xA3")[0][0].codePoint, U'\u20AC');
    EXPECT_EQ(LabelLines("\x80\xA3")[0][1].codePoint, U'\u00A3');
}

TEST(LabelLines, HiddenCharactersAndKerning) {
    // A form feed and a soft hyphen show nothing, unless the soft hyphen ends
    // the text; kerning skips the soft hyphen but not the form feed.
    const LabelLine line = LabelLines("A\xADV\x0CW\xAD")[0];
    ASSERT_EQ(line.size(), 6u);
    EXPECT_FALSE(line[1].shown);
    EXPECT_TRUE(line[2].kerned);
    EXPECT_FALSE(line[3].shown);
    EXPECT_FALSE(line[4].kerned);
    EXPECT_TRUE(line[5].shown);
    EXPECT_FALSE(line[5].kerned);
    // Underlined characters are set on their own.
    const LabelLine underlined = LabelLines("AV&A&VA")[0];
    EXPECT_TRUE(underlined[1].kerned);
    EXPECT_FALSE(underlined[2].kerned);
    EXPECT_FALSE(underlined[3].kerned);
    EXPECT_FALSE(underlined[4].kerned);
    // A hidden soft hyphen before an underlined closing mark widens its line.
    EXPECT_TRUE(LabelLines("a\xAD&)")[0][1].widensLine);
    EXPECT_FALSE(LabelLines("a\xAD)")[0][1].widensLine);
    EXPECT_FALSE(LabelLines("a\xAD&b")[0][1].widensLine);
}

class FontTextRasterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!raster_.HasFont()) GTEST_SKIP() << "no font for \"Arial\" on this machine";
    }
    FontTextRaster raster_;
};

TEST_F(FontTextRasterTest, LabelsStandCentredAtTheTopInA32PixelCell) {
    const auto bitmap = raster_.PaintText("D40122", 256, 64);
    ASSERT_EQ(bitmap.width, 256);
    ASSERT_EQ(bitmap.bits.size(), 256u * 64u);
    const Ink ink = InkOf(bitmap);
    ASSERT_GT(ink.right, ink.left);
    // Digits stand within the cell's first 32 rows, from near its top.
    EXPECT_LT(ink.top, 12);
    EXPECT_LT(ink.bottom, 32);
    EXPECT_GT(ink.bottom - ink.top, 15);
    // Centred across: the margins differ by little.
    EXPECT_LE(std::abs(ink.left - (255 - ink.right)), 3);
}

TEST_F(FontTextRasterTest, UnderlinesSecondLinesAndClipping) {
    const Ink plain = InkOf(raster_.PaintText("AB", 128, 64));
    const Ink underlined = InkOf(raster_.PaintText("A&B", 128, 64));
    EXPECT_GT(underlined.bottom, plain.bottom);
    EXPECT_LE(std::abs((underlined.right - underlined.left) - (plain.right - plain.left)), 2);

    // A second line stands a cell and the leading lower; one that would begin
    // below the picture is not painted.
    EXPECT_GT(InkOf(raster_.PaintText("1\n2", 64, 80)).bottom, 40);
    EXPECT_EQ(InkOf(raster_.PaintText("1\n2", 64, 30)).bottom,
              InkOf(raster_.PaintText("1", 64, 30)).bottom);

    const auto wide = raster_.PaintText("MMMMMMMMMMMMMMMMMMMM", 40, 8);
    EXPECT_EQ(wide.bits.size(), 40u * 8u);
    EXPECT_EQ(raster_.PaintText("", 16, 16).bits, std::vector<std::uint8_t>(256, 0));
    EXPECT_TRUE(raster_.PaintText("x", 0, 16).bits.empty());
    EXPECT_TRUE(raster_.PaintText("x", 16, -1).bits.empty());
}

}  // namespace
}  // namespace lumtrak::preview3d::testing

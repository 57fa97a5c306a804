#include "preview3d/label_texture.h"

#include <gtest/gtest.h>

#include "scene_test_support.h"

namespace lumtrak::preview3d::testing {
namespace {

TEST(LabelTexture, PaintsTheTextUpsideDownIntoTheSharedImage) {
    rm::Engine engine;
    FakeTextRaster raster;
    auto image = std::make_shared<rm::Image>(rm::MakePalettisedImage(16, 24));
    auto texture = MakeLabelTexture(engine, image, "A", 3, 9, raster);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->GetImage(), image);
    // The fake's block: columns 4 to 9, painted rows 0 to 19 = image rows 23 to 4.
    EXPECT_EQ(image->indices[23 * 16 + 4], 9);
    EXPECT_EQ(image->indices[4 * 16 + 9], 9);
    EXPECT_EQ(image->indices[3 * 16 + 4], 3);
    EXPECT_EQ(image->indices[23 * 16 + 10], 3);

    // A true-colour image takes the indices as grey levels.
    auto colours = std::make_shared<rm::Image>();
    colours->width = 16;
    colours->height = 24;
    colours->pixels.assign(16 * 24, 0x123456);
    ASSERT_TRUE(MakeLabelTexture(engine, colours, "A", 0, 255, raster));
    EXPECT_EQ(colours->pixels[23 * 16 + 5], 0xFFFFFFu);
    EXPECT_EQ(colours->pixels[0], 0u);

    EXPECT_FALSE(MakeLabelTexture(engine, nullptr, "A", 0, 255, raster));
}

TEST(LabelTexture, TheCachePaintsEachTextAndSizeOnce) {
    FakeTextRaster raster;
    CachingTextRaster cache(raster);
    const MonoBitmap first = cache.PaintText("D1", 32, 32);
    cache.PaintText("D1", 32, 32);
    cache.PaintText("D1", 64, 32);
    EXPECT_EQ(raster.painted.size(), 2u);
    EXPECT_EQ(cache.PaintText("D1", 32, 32).bits, first.bits);
}

}  // namespace
}  // namespace lumtrak::preview3d::testing

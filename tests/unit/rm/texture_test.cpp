#include <gtest/gtest.h>

#include "rm/bmp_codec.h"
#include "rm/engine.h"

namespace lumtrak::rm {
namespace {

std::string BmpFile(int width, int height) {
    Image image = MakePalettisedImage(width, height);
    image.palette = {0x000000, 0xFFFFFF};
    const auto bytes = WriteBmp(image);
    return {bytes.begin(), bytes.end()};
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Texture, LoadsABmpFromItsBytes) {
    Engine engine;
    auto texture = engine.LoadTexture(Bytes(BmpFile(4, 2)));
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->GetImage()->width, 4);
    EXPECT_FALSE(texture->GetDecalTransparency());
    EXPECT_FALSE(engine.LoadTexture(Bytes("not an image")));
    EXPECT_FALSE(engine.LoadTexture(Bytes("")));
}

TEST(Texture, TexturesMadeFromOneImageShareItsPixels) {
    Engine engine;
    auto image = std::make_shared<Image>(MakePalettisedImage(8, 2));
    auto first = engine.CreateTexture(image);
    auto second = engine.CreateTexture(first->GetImage());
    ASSERT_TRUE(first && second);
    image->indices[3] = 255;
    EXPECT_EQ(second->GetImage()->indices[3], 255);
    EXPECT_EQ(first->GetImage(), second->GetImage());

    EXPECT_FALSE(engine.CreateTexture(nullptr));
    auto broken = std::make_shared<Image>(MakePalettisedImage(8, 2));
    broken->indices.pop_back();
    EXPECT_FALSE(engine.CreateTexture(broken));
}

TEST(Texture, ThePictureABmpWouldTakeIsToldByItsHeaderAlone) {
    const std::string header = BmpFile(4096, 4096).substr(0, 54);  // no pixels follow
    EXPECT_EQ(BmpPictureBytes(Bytes(header)), 4096u * 4096u + 256u * 4u);
    EXPECT_EQ(BmpPictureBytes(Bytes("BM")), std::nullopt);
}

}  // namespace
}  // namespace lumtrak::rm

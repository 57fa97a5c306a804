#include <gtest/gtest.h>

#include "platform/current_folder.h"
#include "platform/program_folder.h"
#include "rm/bmp_codec.h"
#include "rm/engine.h"
#include "support/temp_folder.h"

namespace lumtrak::rm {
namespace {

std::string BmpFile(int width, int height) {
    Image image = MakePalettisedImage(width, height);
    image.palette = {0x000000, 0xFFFFFF};
    const auto bytes = WriteBmp(image);
    return {bytes.begin(), bytes.end()};
}

TEST(Texture, LoadsByNameFromTheCurrentFolderOnly) {
    testing::TempFolder folder;
    folder.Write("Sub/Wood.BMP", BmpFile(4, 2));
    folder.Write("notes.bmp", "not an image");
    Engine engine;
    ASSERT_TRUE(platform::ChangeCurrentFolder(folder.Path().string()));
    EXPECT_FALSE(engine.LoadTexture("wood.bmp"));  // not in this folder
    auto texture = engine.LoadTexture("sub\\wood.bmp");
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->GetImage()->width, 4);
    EXPECT_FALSE(texture->GetDecalTransparency());
    EXPECT_FALSE(engine.LoadTexture("notes.bmp"));
    EXPECT_FALSE(engine.LoadTexture(""));
    ASSERT_TRUE(platform::ChangeCurrentFolder(folder / "Sub"));
    EXPECT_TRUE(engine.LoadTexture("wood.bmp"));
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

}  // namespace
}  // namespace lumtrak::rm

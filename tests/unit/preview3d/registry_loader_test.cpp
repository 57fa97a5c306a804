#include <gtest/gtest.h>

#include "model/texture_registry.h"
#include "platform/program_folder.h"
#include "preview3d/registry_loader.h"
#include "rm/bmp_codec.h"
#include "rm/engine.h"
#include "support/temp_folder.h"

namespace lumtrak::preview3d {
namespace {

std::string BmpFile(int width, int height) {
    rm::Image image = rm::MakePalettisedImage(width, height);
    image.palette = {0x000000, 0xFFFFFF};
    const auto bytes = rm::WriteBmp(image);
    return {bytes.begin(), bytes.end()};
}

TEST(RegistryLoader, TheRegistryLoadsThroughTheEngine) {
    testing::TempFolder program;
    testing::TempFolder document;
    program.Write("Textures/rail.bmp", BmpFile(2, 2));
    document.Write("plank.bmp", BmpFile(3, 1));
    platform::SetProgramFolderOverride(program.Path().string());

    rm::Engine engine;
    RegistryLoader loader(engine);
    model::TextureRegistry registry;
    registry.SetLoader(&loader);
    registry.SetDocumentFolder(document.Path().string());
    const auto rail = registry.InternTexture("rail.bmp", "");
    const auto plank = registry.InternTexture("plank.bmp", "");
    const auto missing = registry.InternTexture("missing.bmp", "");
    EXPECT_EQ(RegistryTexture(registry.Find(rail)->texture.get())->GetImage()->width, 2);
    EXPECT_EQ(RegistryTexture(registry.Find(plank)->texture.get())->GetImage()->width, 3);
    EXPECT_FALSE(RegistryTexture(registry.Find(missing)->texture.get()));
    platform::SetProgramFolderOverride("");
}

TEST(RegistryLoader, NamesOfOneFileShareThePictureButNotTheTexture) {
    testing::TempFolder document;
    document.Write("plank.bmp", BmpFile(3, 1));
    rm::Engine engine;
    RegistryLoader loader(engine);
    model::TextureRegistry registry;
    registry.SetLoader(&loader);
    registry.SetDocumentFolder(document.Path().string());
    const auto plain =
        RegistryTexture(registry.Find(registry.InternTexture("plank.bmp", ""))->texture.get());
    const auto dotted =
        RegistryTexture(registry.Find(registry.InternTexture("./plank.bmp", ""))->texture.get());
    ASSERT_TRUE(plain && dotted);
    EXPECT_EQ(plain->GetImage(), dotted->GetImage());
    plain->SetDecalTransparency(true);
    EXPECT_FALSE(dotted->GetDecalTransparency());
}

TEST(RegistryLoader, APictureTooLargeIsRefusedBeforeItIsDecoded) {
    const std::string header = BmpFile(4096, 4096).substr(0, 54);  // no pixels follow
    rm::Engine engine;
    RegistryLoader loader(engine);
    const auto loaded = loader.LoadTexture({header.data(), header.size()}, 1 << 20);
    EXPECT_FALSE(loaded.texture);
    EXPECT_EQ(loaded.pictureBytes, 4096u * 4096u + 256u * 4u);
}

}  // namespace
}  // namespace lumtrak::preview3d

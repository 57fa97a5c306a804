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

}  // namespace
}  // namespace lumtrak::preview3d

#include "model/texture_registry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/current_folder.h"
#include "platform/program_folder.h"
#include "support/temp_folder.h"

namespace lumtrak::model {
namespace {

// Loads a texture when a file of that name is in the current folder, and
// remembers where it looked.
class FakeLoader : public TextureLoader {
  public:
    std::unique_ptr<TextureObject> LoadTexture(const std::string& fileName) override {
        tried.push_back(platform::CurrentFolder());
        if (!std::filesystem::exists(fileName)) return nullptr;
        return std::make_unique<TextureObject>();
    }
    std::vector<std::string> tried;
};

TEST(TextureRegistry, NumbersNamesFromOneByExactName) {
    TextureRegistry registry;
    EXPECT_EQ(registry.InternTexture("wood.bmp", ""), 1);
    EXPECT_EQ(registry.InternTexture("Wood.bmp", ""), 2);
    EXPECT_EQ(registry.InternTexture("wood.bmp", "elsewhere"), 1);
    EXPECT_EQ(registry.TextureName(2), "Wood.bmp");
    EXPECT_EQ(registry.TextureName(0), "");
    EXPECT_EQ(registry.Find(1)->texture, nullptr);  // no 3D engine yet
    registry.ClearTextures();
    EXPECT_EQ(registry.TextureName(1), "");
}

TEST(TextureRegistry, LoadsFromTheGivenFolderThenTheDocumentFolderThenTextures) {
    testing::TempFolder program;
    testing::TempFolder given;
    testing::TempFolder document;
    given.Write("a.bmp", "x");
    document.Write("b.bmp", "x");
    program.Write("Textures/c.bmp", "x");
    platform::SetProgramFolderOverride(program.Path().string());

    FakeLoader loader;
    TextureRegistry registry;
    registry.SetLoader(&loader);
    registry.SetDocumentFolder(document.Path().string());
    const std::string folder = given.Path().string();
    EXPECT_NE(registry.Find(registry.InternTexture("a.bmp", folder))->texture, nullptr);
    EXPECT_NE(registry.Find(registry.InternTexture("b.bmp", folder))->texture, nullptr);
    EXPECT_NE(registry.Find(registry.InternTexture("c.bmp", folder))->texture, nullptr);
    EXPECT_EQ(registry.Find(registry.InternTexture("d.bmp", folder))->texture, nullptr);
    EXPECT_EQ(loader.tried,
              (std::vector<std::string>{folder, folder, document.Path().string(), folder,
                                        document.Path().string(), program / "Textures", folder,
                                        document.Path().string(), program / "Textures"}));
    // A name registered again is not loaded again.
    registry.InternTexture("d.bmp", folder);
    EXPECT_EQ(loader.tried.size(), 9u);
    platform::SetProgramFolderOverride("");
}

}  // namespace
}  // namespace lumtrak::model

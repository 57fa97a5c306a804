// Relative output paths are the caller's: whatever folders a load looks into,
// what a command writes lands in the folder it was started in.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_test_support.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

namespace fs = std::filesystem;

// A copy of the sample package as program folder, and another folder that the
// commands start in.
class OutputPaths : public ::testing::Test {
  protected:
    OutputPaths() { fs::copy(kSamplesFolder, program.Path(), fs::copy_options::recursive); }

    ProcessResult RunInWork(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin() + 1, program / "Stock/Locomotives/Class40.stk");
        arguments.push_back("--program-dir");
        arguments.push_back(program.Path().string());
        return RunStockIn(work.Path().string(), arguments);
    }
    std::string PackageTexture() const {
        return ReadFileBytes(program.Path() / "Textures/grille.bmp");
    }

    TempFolder program;
    TempFolder work;
};

TEST_F(OutputPaths, Render3dWritesItsPictureWhereTheCommandStarted) {
    const std::string texture = PackageTexture();
    // The name of one of the package's textures, which the load reads.
    auto result = RunInWork({"render3d", "--size", "64x48", "--out", "grille.bmp"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(work.Path() / "grille.bmp"));
    EXPECT_EQ(PackageTexture(), texture);

    result = RunInWork({"render3d", "--size", "64x48", "--out", "class40.png"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(work.Path() / "class40.png"));
    EXPECT_FALSE(fs::exists(program.Path() / "Textures/class40.png"));
    EXPECT_FALSE(fs::exists(program.Path() / "class40.png"));
}

TEST_F(OutputPaths, Draw2dWritesItsPngWhereTheCommandStarted) {
    // The locomotive includes its bogies through the program folder's index.
    const auto result = RunInWork({"draw2d", "--png", "front.png"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(work.Path() / "front.png"));
    EXPECT_FALSE(fs::exists(program.Path() / "front.png"));
}

TEST_F(OutputPaths, ARelativeProgramFolderIsTakenWhereTheCommandStarted) {
    fs::copy(kSamplesFolder, work.Path() / "package", fs::copy_options::recursive);
    const auto result = RunStockIn(work.Path().string(),
                                   {"render3d", "package/Stock/Locomotives/Class40.stk", "--size",
                                    "64x48", "--program-dir", "package", "--out", "out.bmp"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(work.Path() / "out.bmp"));
    EXPECT_FALSE(fs::exists(work.Path() / "package/Textures/out.bmp"));
}

}  // namespace
}  // namespace lumtrak::testing

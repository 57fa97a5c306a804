#include "export/output_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace lumtrak::exporter {
namespace {

using ::lumtrak::testing::ReadFileBytes;
using ::lumtrak::testing::TempFolder;

TEST(WriteOutputFiles, WritesEveryFileAndTheMainOneLast) {
    TempFolder folder;
    folder.Write("m.gltf", "old");
    const auto outcome = WriteOutputFiles({{folder / "m.gltf", "new"}, {folder / "m.bin", "bin"}});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(ReadFileBytes(folder / "m.gltf"), "new");
    EXPECT_EQ(ReadFileBytes(folder / "m.bin"), "bin");
}

TEST(WriteOutputFiles, AMainFileThatCannotBeWrittenStopsBeforeAnyOther) {
    TempFolder folder;
    folder.Write("plain", "a file, no folder");
    const auto outcome =
        WriteOutputFiles({{folder / "plain/m.gltf", "main"}, {folder / "plain/m.bin", "bin"}});
    EXPECT_EQ(outcome.error, std::errc::not_a_directory);
    EXPECT_EQ(outcome.failedPath, folder / "plain/m.gltf");

    // A folder where the main file should go: the side files stay unwritten.
    std::filesystem::create_directory(folder.Path() / "m.glb");
    const auto refused = WriteOutputFiles({{folder / "m.glb", "main"}, {folder / "m.bin", "bin"}});
    EXPECT_TRUE(refused.error);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "m.bin"));
}

TEST(WriteOutputFiles, ASideFileThatCannotBeWrittenLeavesTheMainFileAsItWas) {
    TempFolder folder;
    folder.Write("m.gltf", "old");
    std::filesystem::create_directory(folder.Path() / "m.bin");
    const auto outcome = WriteOutputFiles({{folder / "m.gltf", "new"}, {folder / "m.bin", "bin"}});
    EXPECT_TRUE(outcome.error);
    EXPECT_EQ(outcome.failedPath, folder / "m.bin");
    EXPECT_EQ(ReadFileBytes(folder / "m.gltf"), "old");
    // No temporary file of the main file is left behind.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++entries;
    EXPECT_EQ(entries, 2u);
}

}  // namespace
}  // namespace lumtrak::exporter

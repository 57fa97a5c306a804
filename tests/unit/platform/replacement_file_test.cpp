#include "platform/replacement_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

TEST(ReplacementFile, TheTargetChangesOnlyOnCommit) {
    TempFolder folder;
    const std::string target = folder.Write("index", "old");
    const std::string temporary = folder / "index.new";
    {
        ReplacementFile file;
        ASSERT_TRUE(file.Create(target, temporary));
        file.Write(std::string(100'000, 'x'));
        EXPECT_EQ(ReadFileBytes(target), "old");
    }
    // Never committed: the temporary file is gone and the target untouched.
    EXPECT_FALSE(std::filesystem::exists(temporary));
    EXPECT_EQ(ReadFileBytes(target), "old");

    ReplacementFile file;
    ASSERT_TRUE(file.Create(target, temporary));
    file.Write("new ");
    file.Write("text");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadFileBytes(target), "new text");
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

TEST(ReplacementFile, WritesNothingThroughWhatStandsAtTheTemporaryName) {
    TempFolder folder;
    const std::string elsewhere = folder.Write("elsewhere", "keep");
    const std::string temporary = folder / "index.new";
    std::filesystem::create_symlink(elsewhere, temporary);
    ReplacementFile file;
    ASSERT_TRUE(file.Create(folder / "index", temporary));
    file.Write("new");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadFileBytes(elsewhere), "keep");
    EXPECT_EQ(ReadFileBytes(folder / "index"), "new");

    // A FIFO is replaced too, without waiting for a reader.
    ASSERT_EQ(::mkfifo(temporary.c_str(), 0600), 0);
    ASSERT_TRUE(file.Create(folder / "index", temporary));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadFileBytes(folder / "index"), "");
}

TEST(ReplacementFile, FailuresLeaveTheTargetAsItWas) {
    TempFolder folder;
    const std::string target = folder.Write("index", "old");
    ReplacementFile file;
    EXPECT_FALSE(file.Create(target, folder / "missing/index.new"));
    EXPECT_FALSE(file.Commit());

    // A target that cannot be replaced by a file: the rename fails.
    std::filesystem::create_directories(folder.Path() / "folder/inside");
    ASSERT_TRUE(file.Create(folder / "folder", folder / "folder.new"));
    file.Write("new");
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "folder/inside"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "folder.new"));
    EXPECT_EQ(ReadFileBytes(target), "old");
}

}  // namespace
}  // namespace lumtrak::platform

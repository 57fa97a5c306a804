#include "platform/file_lock.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

using testing::TempFolder;

TEST(FileLock, IsHeldByOneOpenAtATimeEvenInOneProcess) {
    TempFolder temp;
    const std::string path = temp / "run.lock";
    std::error_code error;
    std::optional<FileLock> first = FileLock::TryLock(path, error);
    ASSERT_TRUE(first) << error.message();
    EXPECT_TRUE(std::filesystem::exists(path));

    EXPECT_FALSE(FileLock::TryLock(path, error));
    EXPECT_TRUE(FileLock::HeldElsewhere(error));

    // Moved, it is still held; let go, it can be taken.
    FileLock moved = std::move(*first);
    first.reset();
    EXPECT_FALSE(FileLock::TryLock(path, error));
    moved = std::move(*FileLock::TryLock(temp / "other.lock", error));
    EXPECT_TRUE(FileLock::TryLock(path, error));

    moved.RemoveFile();
    EXPECT_FALSE(std::filesystem::exists(temp / "other.lock"));
}

TEST(FileLock, RefusesALinkOrAMissingFolder) {
    TempFolder temp;
    std::filesystem::create_symlink(temp / "elsewhere", temp / "link.lock");
    std::error_code error;
    EXPECT_FALSE(FileLock::TryLock(temp / "link.lock", error));
    EXPECT_FALSE(FileLock::HeldElsewhere(error));
    EXPECT_FALSE(std::filesystem::exists(temp / "elsewhere"));
    EXPECT_FALSE(FileLock::TryLock(temp / "missing/run.lock", error));
    EXPECT_FALSE(FileLock::HeldElsewhere(error));
}

}  // namespace
}  // namespace lumtrak::platform

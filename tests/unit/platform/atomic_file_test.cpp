#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempFolder;

std::string EveryByteValue() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    return bytes + "\r\n\n\r";
}

TEST(WriteFileAtomically, WritesNewAndExistingFilesByteForByteAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string created = folder / "new.stk";
    ASSERT_FALSE(WriteFileAtomically(created, EveryByteValue()));
    EXPECT_EQ(ReadFileBytes(created), EveryByteValue());

    const std::string existing = folder.Write("old.stk", "a much longer old content than the new");
    ::chmod(existing.c_str(), 0640);
    ASSERT_FALSE(WriteFileAtomically(existing, "short"));
    EXPECT_EQ(ReadFileBytes(existing), "short");
    struct stat info {};
    ASSERT_EQ(::stat(existing.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path()))
        ++entries;
    EXPECT_EQ(entries, 2u);
}

TEST(WriteFileAtomically, ReplacesTheTargetOfALinkAndKeepsTheLink) {
    TempFolder folder;
    const std::string target = folder.Write("real/loco.stk", "old");
    const std::string link = folder / "loco.stk";
    fs::create_symlink(target, link);
    ASSERT_FALSE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), "new");
}

TEST(WriteFileAtomically, FailsForAMissingFolderOrAFolderInThePlaceOfTheFile) {
    TempFolder folder;
    EXPECT_TRUE(WriteFileAtomically(folder / "missing/loco.stk", "x"));
    fs::create_directory(folder / "folder.stk");
    EXPECT_TRUE(WriteFileAtomically(folder / "folder.stk", "x"));
    EXPECT_TRUE(fs::is_directory(folder / "folder.stk"));
}

TEST(WriteFileAtomically, KeepsTheOldFileWhenTheFolderIsNotWritable) {
    TempFolder folder;
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const std::string locked = folder.Write("locked/loco.stk", "old");
    ::chmod((folder / "locked").c_str(), 0500);
    EXPECT_TRUE(WriteFileAtomically(locked, "new"));
    ::chmod((folder / "locked").c_str(), 0700);
    EXPECT_EQ(ReadFileBytes(locked), "old");
}

}  // namespace
}  // namespace lumtrak::platform

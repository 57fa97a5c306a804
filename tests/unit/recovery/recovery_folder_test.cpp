#include "recovery/recovery_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/folder_listing.h"
#include "support/temp_folder.h"

namespace lumtrak::recovery {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::unique_ptr<RecoveryFolder> OpenFolder(const std::string& path) {
    std::error_code error;
    auto folder = RecoveryFolder::Open(path, error);
    EXPECT_TRUE(folder) << error.message();
    return folder;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry :
         platform::ListFolder(folder).value_or(std::vector<platform::FolderEntry>{}))
        names.push_back(entry.name);
    return names;
}

CopyHeader Header(std::string path) {
    return {std::move(path), "title", 129, 1718000000};
}

TEST(RecoveryFolder, LivesInTheUsersDataFolder) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string before = saved ? saved : "";
    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(DefaultRecoveryFolder(), "/data/home/lumtrak/recovery");
    ::setenv("XDG_DATA_HOME", "relative", 1);  // not valid: the default under HOME
    EXPECT_TRUE(DefaultRecoveryFolder().ends_with("/.local/share/lumtrak/recovery"));
    if (saved) {
        ::setenv("XDG_DATA_HOME", before.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
}

TEST(RecoveryFolder, IsMadeForTheUserAloneAndRefusesALink) {
    TempFolder temp;
    const std::string path = temp / "data/lumtrak/recovery";
    {
        const auto folder = OpenFolder(path);
        struct stat info {};
        ASSERT_EQ(::lstat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        // Its lock file, and no more.
        EXPECT_EQ(Names(path), std::vector<std::string>{folder->Run() + ".lock"});
        ASSERT_FALSE(folder->WriteCopy(3, Header("/a.stk"), "fill"));
        ASSERT_EQ(::lstat(folder->CopyPath(3).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_FALSE(folder->RemoveCopy(3));
    }
    EXPECT_TRUE(Names(path).empty());  // a run that ends well leaves nothing

    fs::create_directory_symlink(path, temp / "link");
    std::error_code error;
    EXPECT_FALSE(RecoveryFolder::Open(temp / "link", error));
    EXPECT_TRUE(error);
}

TEST(RecoveryFolder, OffersOnlyTheCopiesOfRunsThatHaveEnded) {
    TempFolder temp;
    const std::string path = temp / "recovery";
    auto live = OpenFolder(path);
    ASSERT_FALSE(live->WriteCopy(1, Header("/live.stk"), "live text"));
    auto ended = OpenFolder(path);
    ASSERT_FALSE(ended->WriteCopy(1, Header("/ended.stk"), "ended text"));
    ASSERT_FALSE(ended->WriteCopy(2, Header("/second.stk"), "second"));
    // A run that ends without removing its copies, as after a crash: its lock
    // goes with it.
    ended.reset();

    auto starting = OpenFolder(path);
    std::vector<LeftCopy> left = starting->ClaimLeftCopies();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].reading.header.path, "/ended.stk");
    EXPECT_EQ(left[0].reading.text, "ended text");
    EXPECT_EQ(left[0].reading.condition, CopyCondition::Whole);
    EXPECT_EQ(left[1].reading.text, "second");

    // While one run holds them, another that starts is not offered them.
    auto another = OpenFolder(path);
    EXPECT_TRUE(another->ClaimLeftCopies().empty());

    // One becomes the starting run's own copy, the other goes.
    EXPECT_FALSE(starting->Adopt(left[0], 7));
    EXPECT_FALSE(starting->Discard(left[1]));
    starting->ReleaseClaims();
    EXPECT_TRUE(another->ClaimLeftCopies().empty());
    const std::vector<std::string> names = Names(path);
    EXPECT_EQ(names.size(), 5u);  // three locks, the live copy, the adopted one
    EXPECT_TRUE(fs::exists(starting->CopyPath(7)));
    EXPECT_TRUE(std::none_of(names.begin(), names.end(), [&](const std::string& name) {
        return name.starts_with(left[0].run);
    }));
}

TEST(RecoveryFolder, CopiesLeftForLaterAreOfferedAgainAndStaleLocksGo) {
    TempFolder temp;
    const std::string path = temp / "recovery";
    {
        auto crashed = OpenFolder(path);
        ASSERT_FALSE(crashed->WriteCopy(1, Header("/a.stk"), "a"));
    }
    // A lock file without copies, and what a write cut short left behind.
    temp.Write("recovery/0123456789abcdef.lock", "");
    temp.Write("recovery/.0123456789abcdef.4.recovery.Xy12Zq", "half");
    temp.Write("recovery/notes.txt", "not ours");
    {
        auto first = OpenFolder(path);
        EXPECT_EQ(first->ClaimLeftCopies().size(), 1u);
        first->ReleaseClaims();  // later
    }
    auto second = OpenFolder(path);
    const std::vector<LeftCopy> left = second->ClaimLeftCopies();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].reading.text, "a");
    second->ReleaseClaims();
    std::vector<std::string> names = Names(path);
    EXPECT_EQ(std::count(names.begin(), names.end(), "0123456789abcdef.lock"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), ".0123456789abcdef.4.recovery.Xy12Zq"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "notes.txt"), 1);
}

TEST(RecoveryFolder, ADamagedCopyIsOfferedAsDamaged) {
    TempFolder temp;
    const std::string path = temp / "recovery";
    std::string copyPath;
    {
        auto crashed = OpenFolder(path);
        ASSERT_FALSE(crashed->WriteCopy(1, Header("/a.stk"), "the text"));
        copyPath = crashed->CopyPath(1);
    }
    std::string bytes = testing::ReadFileBytes(copyPath);
    bytes[bytes.find("the text")] = 'T';
    testing::WriteFileBytes(copyPath, bytes);
    auto starting = OpenFolder(path);
    const std::vector<LeftCopy> left = starting->ClaimLeftCopies();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].reading.condition, CopyCondition::ChecksumMismatch);
    EXPECT_EQ(left[0].reading.header.path, "/a.stk");
    EXPECT_TRUE(left[0].reading.text.empty());
}

}  // namespace
}  // namespace lumtrak::recovery

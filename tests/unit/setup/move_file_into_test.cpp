#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "platform/file_move.h"
#include "setup/move_file_into.h"
#include "support/temp_folder.h"

namespace lumtrak::setup {
namespace {

namespace fs = std::filesystem;
using lumtrak::testing::ReadFileBytes;
using lumtrak::testing::TempFolder;
using Status = MoveOutcome::Status;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class MoveFileIntoTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(temp.Path() / "to"); }
    TempFolder temp;
    std::string from = temp / "from";
    std::string to = temp / "to";
};

TEST_F(MoveFileIntoTest, TakesThePlaceOfAFileOfThatName) {
    temp.Write("from/a.stk", "new");
    temp.Write("to/a.stk", "old");
    EXPECT_EQ(MoveFileInto(from, to + "/", "a.stk").status, Status::Moved);
    EXPECT_EQ(ReadFileBytes(to + "/a.stk"), "new");
    EXPECT_FALSE(fs::exists(from + "/a.stk"));
}

TEST_F(MoveFileIntoTest, AMissingSourceLeavesTheDestinationAlone) {
    temp.Write("from/other", "");
    temp.Write("to/a.stk", "old");
    EXPECT_EQ(MoveFileInto(from, to, "a.stk").status, Status::Missing);
    EXPECT_EQ(ReadFileBytes(to + "/a.stk"), "old");
}

TEST_F(MoveFileIntoTest, FindsTheSourceIgnoringCaseAndKeepsTheNameAsWritten) {
    temp.Write("from/CLASS08.STK", "x");
    EXPECT_TRUE(MoveFileInto(from, to, "Class08.stk").Moved());
    EXPECT_EQ(Names(to), std::vector<std::string>{"Class08.stk"});
}

TEST_F(MoveFileIntoTest, TheExactNameWinsAndSeveralCaseInsensitiveMatchesMoveNothing) {
    temp.Write("from/a.stk", "lower");
    temp.Write("from/A.stk", "upper");
    EXPECT_TRUE(MoveFileInto(from, to, "A.stk").Moved());
    EXPECT_EQ(ReadFileBytes(to + "/A.stk"), "upper");

    temp.Write("from/A.STK", "third");
    const auto outcome = MoveFileInto(from, to, "a.Stk");
    EXPECT_EQ(outcome.status, Status::Ambiguous);
    EXPECT_THAT(outcome.Describe(), HasSubstr("several package files differ from it only in case"));
    EXPECT_EQ(Names(from), (std::vector<std::string>{"A.STK", "a.stk"}));
}

TEST_F(MoveFileIntoTest, AFilePlacedByThisRunIsNotReplaced) {
    temp.Write("from/a.stk", "first");
    PlacedFiles placed;
    EXPECT_TRUE(MoveFileInto(from, to, "a.stk", &placed).Moved());
    temp.Write("from/A.STK", "second");
    EXPECT_EQ(MoveFileInto(from, to, "a.stk", &placed).status, Status::AlreadyPlaced);
    EXPECT_EQ(ReadFileBytes(to + "/a.stk"), "first");
    EXPECT_EQ(ReadFileBytes(from + "/A.STK"), "second");
}

TEST_F(MoveFileIntoTest, ACopyWhoseSourceCannotBeDeletedIsReportedAsSuch) {
    // Files of /proc can be read, and so copied, but never deleted; /proc is
    // always another file system than the temporary folder.
    PlacedFiles placed;
    const auto outcome = MoveFileInto("/proc/self", to, "cmdline", &placed);
    EXPECT_EQ(outcome.status, Status::CopiedSourceLeft);
    EXPECT_THAT(outcome.Describe(), StartsWith("copied, package file left: "));
    EXPECT_THAT(ReadFileBytes(to + "/cmdline"), HasSubstr("lumtrak_unit_tests"));
    EXPECT_TRUE(placed.Contains(to + "/cmdline"));
}

TEST_F(MoveFileIntoTest, MovesLinksAsLinksButNeverFolders) {
    fs::create_directories(temp.Path() / "from" / "folder");
    fs::create_symlink("/no/such/target", temp.Path() / "from" / "link");
    EXPECT_TRUE(MoveFileInto(from, to, "link").Moved());
    EXPECT_EQ(fs::read_symlink(to + "/link"), "/no/such/target");

    EXPECT_EQ(MoveFileInto(from, to, "folder").status, Status::NotAFile);
    EXPECT_TRUE(fs::is_directory(from + "/folder"));
    EXPECT_EQ(MoveFileInto(from, to, "../to").status, Status::NotAFile);
}

TEST_F(MoveFileIntoTest, AFailedMoveKeepsTheSource) {
    temp.Write("from/a.stk", "keep");
    temp.Write("to/a.stk/inside", "");
    EXPECT_EQ(MoveFileInto(from, to, "a.stk").status, Status::Failed);
    EXPECT_EQ(ReadFileBytes(from + "/a.stk"), "keep");
}

TEST_F(MoveFileIntoTest, AFailedCopyLeavesTheSourceAndNoPartialFile) {
    temp.Write("from/a.stk", "keep");
    temp.Write("to/a.stk/inside", "");
    const auto result = platform::MoveByCopying(from + "/a.stk", to + "/a.stk");
    EXPECT_TRUE(result.error);
    EXPECT_FALSE(result.copyInPlace);
    EXPECT_EQ(ReadFileBytes(from + "/a.stk"), "keep");
    EXPECT_EQ(Names(to), std::vector<std::string>{"a.stk"});
}

// A folder on another file system than the temporary folder, where one is at hand.
class OtherFileSystemFolder {
  public:
    OtherFileSystemFolder(const fs::path& here) {
        struct stat hereInfo {
        }, shmInfo{};
        if (::stat(here.c_str(), &hereInfo) != 0 || ::stat("/dev/shm", &shmInfo) != 0) return;
        if (hereInfo.st_dev == shmInfo.st_dev) return;
        std::string pattern = "/dev/shm/lumtrak-test-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~OtherFileSystemFolder() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

TEST_F(MoveFileIntoTest, AcrossFileSystemsCopiesContentPermissionsTimeAndLinks) {
    OtherFileSystemFolder other(temp.Path());
    if (other.Path().empty()) GTEST_SKIP() << "no second file system at hand";

    const std::string bytes(200000, '\xA3');
    const auto file = temp.Write("from/a.stk", bytes);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read);
    const auto time = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(file, time);
    fs::create_symlink("relative/target", temp.Path() / "from" / "link");

    ASSERT_TRUE(MoveFileInto(from, other.Path(), "a.stk").Moved());
    ASSERT_TRUE(MoveFileInto(from, other.Path(), "link").Moved());

    const std::string moved = other.Path() + "/a.stk";
    EXPECT_EQ(ReadFileBytes(moved), bytes);
    EXPECT_EQ(fs::status(moved).permissions(),
              fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read);
    EXPECT_EQ(fs::last_write_time(moved), time);
    EXPECT_EQ(fs::read_symlink(other.Path() + "/link"), "relative/target");
    EXPECT_EQ(Names(other.Path()), (std::vector<std::string>{"a.stk", "link"}));
    EXPECT_TRUE(fs::is_empty(from));
}

}  // namespace
}  // namespace lumtrak::setup

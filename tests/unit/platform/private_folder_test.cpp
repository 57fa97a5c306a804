#include "platform/private_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(PrivateFolder, IsMadeOrNarrowedToTheUserAlone) {
    TempFolder temp;
    const std::string made = temp / "made";
    EXPECT_EQ(PrivateFolder(made), made);
    EXPECT_EQ(ModeOf(made), 0700u);

    const std::string open = temp / "open";
    fs::create_directory(open);
    ::chmod(open.c_str(), 0777);
    EXPECT_EQ(PrivateFolder(open), open);
    EXPECT_EQ(ModeOf(open), 0700u);
}

TEST(PrivateFolder, RefusesALinkAFileOrAnotherUsersFolder) {
    TempFolder temp;
    const std::string target = temp / "target";
    fs::create_directory(target);
    fs::create_directory_symlink(target, temp / "link");
    EXPECT_FALSE(PrivateFolder(temp / "link"));
    temp.Write("file", "");
    EXPECT_FALSE(PrivateFolder(temp / "file"));
    if (::geteuid() == 0) {
        const std::string others = temp / "others";
        fs::create_directory(others);
        ::chown(others.c_str(), 65534, 65534);
        ::chmod(others.c_str(), 0777);
        EXPECT_FALSE(PrivateFolder(others));
        EXPECT_EQ(ModeOf(others), 0777u);
    }
}

}  // namespace
}  // namespace lumtrak::platform

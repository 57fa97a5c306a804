#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSettings>
#include <filesystem>

#include "cli/cli_test_support.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class InstallCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* file :
             {"Lumtrak.exe", "LTK.dll", "D3D.dll", "Lumtrak Stock Editor.exe", "sccon.txt",
              "LTK User Guide.chm", "Lumtrak.scr", "User Guide.lnk", "Lumtrak.lnk",
              "Stock Editor.lnk", "Layouts/one.trk", "Scenery/tree.stc", "Signals/home.sig",
              "Textures/brick.bmp", "Stock/class37.stk", "Stock/extra.stk"}) {
            temp.Write(std::string("package/") + file, file);
        }
        temp.Write("package/Scenery/scenery", "tree.stc\n");
        temp.Write("package/Signals/signals", "home.sig\n");
        temp.Write("package/Textures/textures", "brick.bmp\n");
        temp.Write("package/Stock/stock", "\\Diesel\r\nclass37.stk  comment\r\n");
    }

    ProcessResult Install(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"install", "--source", temp / "package"});
        return RunStock(arguments, {},
                        {{"HOME", temp / "home"},
                         {"XDG_CONFIG_HOME", temp / "config"},
                         {"XDG_DATA_HOME", temp / "data"}});
    }

    TempFolder temp;
    std::string target = temp / "programs/Lumtrak";
};

TEST_F(InstallCommandTest, InstallsThePackageAndRecordsThePaths) {
    const auto result = Install({"--target", target, "--start-menu"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Setup Complete\n");
    EXPECT_EQ(result.err, "");
    for (const char* file : {"Lumtrak.exe", "one.trk", "Scenery/tree.stc",
                             "Stock/Diesel/class37.stk", "Stock/extra.stk"}) {
        EXPECT_TRUE(fs::exists(target + "/" + file)) << file;
    }
    EXPECT_TRUE(fs::exists(temp / "data/lumtrak/system/Lumtrak.scr"));
    EXPECT_TRUE(fs::exists(temp / "data/applications/Lumtrak/Stock Editor.lnk"));

    const std::string settings = ReadFileBytes(temp / "config/Halbern/Lumtrak.conf");
    EXPECT_THAT(settings, HasSubstr("[Paths]"));
    EXPECT_THAT(settings, HasSubstr("Program=" + target + "/\n"));
    EXPECT_THAT(settings, HasSubstr("Stock=" + target + "/Stock/\n"));
    EXPECT_THAT(settings, HasSubstr("Editor=" + target + "/\n"));
    EXPECT_FALSE(fs::exists(temp / "home/.config"));
}

// The command line writes the settings file without Qt; the setup dialog and the
// editor read it with QSettings, which must see the paths, and whatever else
// the file held must survive.
TEST_F(InstallCommandTest, QtSettingsReadThePathsBackAndTheFileKeepsTheRest) {
    const std::string file = temp / "config/Halbern/Lumtrak.conf";
    temp.Write("config/Halbern/Lumtrak.conf",
               "[General]\nfirstRun=false\n\n[Paths]\nProgram=/old/\nStock=/old/Stock/\n\n"
               "[Recent%20Files]\nFile1=\"/a, b.stk\"\n");
    const std::string odd = temp / "programs/Lum,trak; \"=@";
    ASSERT_EQ(Install({"--target", odd}).exitCode, 0);

    const QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
    EXPECT_EQ(settings.status(), QSettings::NoError);
    EXPECT_EQ(settings.value("Paths/Program").toString().toStdString(), odd + "/");
    EXPECT_EQ(settings.value("Paths/Stock").toString().toStdString(), odd + "/Stock/");
    EXPECT_EQ(settings.value("Paths/Stock Editor").toString().toStdString(), odd + "/");
    EXPECT_EQ(settings.value("firstRun").toString(), "false");
    EXPECT_EQ(settings.value("Recent Files/File1").toString(), "/a, b.stk");
    EXPECT_THAT(ReadFileBytes(file), StartsWith("[General]\nfirstRun=false\n\n[Paths]\n"));
}

TEST_F(InstallCommandTest, FoldersAndOptionsFollowTheCommandLine) {
    const auto result = Install({"--target=" + target, "--no-samples", "--start-menu",
                                 "--start-menu-dir", temp / "menu", "--system-dir", temp / "sys"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(fs::exists(temp / "menu/Lumtrak/Lumtrak.lnk"));
    EXPECT_TRUE(fs::exists(temp / "sys/Lumtrak.scr"));
    EXPECT_TRUE(fs::exists(temp / "package/Layouts/one.trk"));
    EXPECT_FALSE(fs::exists(temp / "data"));
}

TEST_F(InstallCommandTest, ASecondRunReportsWhatItCouldNotMoveAndStillCompletes) {
    ASSERT_EQ(Install({"--target", target}).exitCode, 0);
    const auto result = Install({"--target", target});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Setup Complete\n");
    EXPECT_THAT(result.err, StartsWith("Lumtrak.exe: not found\nLTK.dll: not found\n"));
    EXPECT_THAT(result.err, HasSubstr("\nStock/class37.stk: not found\n"));
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 6 + 1 + 4);
}

TEST_F(InstallCommandTest, BadUsageNamesTheOption) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "--target"},
        {{"--target", ""}, "--target"},
        {{"--target", target, "--source", temp / "nowhere"}, "--source"},
        {{"--target", target, "--start-menu=yes"}, "--start-menu"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto result = Install(arguments);
        EXPECT_EQ(result.exitCode, 2) << named;
        EXPECT_THAT(result.err, HasSubstr(named));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace lumtrak::testing

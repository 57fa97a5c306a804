#include "stockindex/program_folder_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace lumtrak::stockindex {
namespace {

using testing::TempFolder;

struct Choosing : ::testing::Test {
    ProgramFolderChoice Choose() {
        return ChooseProgramFolder(temp / "bin", editorSettings, installSettings);
    }
    void Installed(const std::string& folder) {
        installSettings.Write(platform::kPathsGroup, platform::kProgramKey, folder);
    }

    TempFolder temp;
    platform::MemorySettingsStore editorSettings;
    platform::MemorySettingsStore installSettings;
};

TEST_F(Choosing, AProgramBesideAStockIndexOfAnyCaseUsesItsOwnFolder) {
    temp.Write("bin/stock INDEX", "");
    RememberProgramFolder(editorSettings, temp / "simulator");
    std::filesystem::create_directory(temp / "simulator");
    const auto choice = Choose();
    EXPECT_FALSE(choice.ask);
    EXPECT_EQ(choice.folder, temp / "bin");
}

TEST_F(Choosing, AnInstalledProgramAsksFirstFromTheInstallersFolderThenUsesTheNamedOne) {
    std::filesystem::create_directories(temp / "bin");
    Installed(temp / "Lumtrak/");
    auto choice = Choose();
    EXPECT_TRUE(choice.ask);
    EXPECT_EQ(choice.folder, temp / "Lumtrak/");

    // The folder named needs no index yet: setup deletes it, the editor rebuilds it.
    std::filesystem::create_directory(temp / "Lumtrak");
    RememberProgramFolder(editorSettings, temp / "Lumtrak");
    choice = Choose();
    EXPECT_FALSE(choice.ask);
    EXPECT_EQ(choice.folder, temp / "Lumtrak");
}

TEST_F(Choosing, WithoutAnInstallationTheQuestionStartsNowhereOrAtTheFolderThatIsGone) {
    std::filesystem::create_directories(temp / "bin");
    auto choice = Choose();
    EXPECT_TRUE(choice.ask);
    EXPECT_EQ(choice.folder, "");

    // A folder named before that is gone, or is a file now, is asked for again.
    RememberProgramFolder(editorSettings, temp / "moved");
    choice = Choose();
    EXPECT_TRUE(choice.ask);
    EXPECT_EQ(choice.folder, temp / "moved");
    temp.Write("moved", "");
    EXPECT_TRUE(Choose().ask);
    Installed(temp / "Lumtrak/");
    EXPECT_EQ(Choose().folder, temp / "Lumtrak/");
}

}  // namespace
}  // namespace lumtrak::stockindex

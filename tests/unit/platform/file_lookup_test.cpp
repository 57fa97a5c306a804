#include "platform/file_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/program_folder.h"
#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

using testing::TempFolder;

TEST(FindPathIgnoringCase, PrefersTheExactNameThenMatchesEachComponentInAnyCase) {
    TempFolder folder;
    folder.Write("Stock Index", "a");
    folder.Write("Stock/Class40/Loco.stk", "b");
    EXPECT_EQ(FindPathIgnoringCase(folder / "Stock Index"), folder / "Stock Index");
    EXPECT_EQ(FindPathIgnoringCase(folder / "stock index"), folder / "Stock Index");
    EXPECT_EQ(FindPathIgnoringCase(folder / "STOCK/class40/loco.STK"),
              folder / "Stock/Class40/Loco.stk");
    EXPECT_EQ(FindPathIgnoringCase(folder / "stock/missing.stk"), std::nullopt);
}

TEST(FileIdentity, ChangesWithTheContent) {
    TempFolder folder;
    const std::string path = folder.Write("a.stk", "one");
    const auto before = IdentifyFile(path);
    ASSERT_TRUE(before);
    EXPECT_EQ(IdentifyFile(path), before);
    folder.Write("a.stk", "three");
    EXPECT_NE(IdentifyFile(path), before);
    EXPECT_EQ(IdentifyFile(folder / "none"), std::nullopt);
}

TEST(ProgramFolder, TheOverrideWinsAndARelativeOneIsTakenWhereTheProgramStarted) {
    TempFolder folder;
    SetProgramFolderOverride(folder.Path().string());
    EXPECT_EQ(ProgramFolder(), folder.Path().string());
    SetProgramFolderOverride("samples/../package");
    EXPECT_EQ(ProgramFolder(), (std::filesystem::current_path() / "package").string());
    SetProgramFolderOverride("");
    EXPECT_NE(ProgramFolder(), folder.Path().string());
}

}  // namespace
}  // namespace lumtrak::platform

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "setup/completion_message.h"
#include "setup/folder_paths.h"
#include "setup/installation.h"
#include "support/temp_folder.h"

namespace lumtrak::setup {
namespace {

namespace fs = std::filesystem;
using lumtrak::testing::ReadFileBytes;
using lumtrak::testing::TempFolder;
using ::testing::Contains;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;

// Every file below folder, as paths relative to it.
std::vector<std::string> FilesBelow(const fs::path& folder) {
    std::vector<std::string> files;
    if (!fs::exists(folder)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_directory()) files.push_back(fs::relative(entry.path(), folder).string());
    }
    return files;
}

class InstallationTest : public ::testing::Test {
  protected:
    void WritePackage() {
        for (const char* file : {"Lumtrak.exe",
                                 "LTK.dll",
                                 "D3D.dll",
                                 "Lumtrak Stock Editor.exe",
                                 "sccon.txt",
                                 "LTK User Guide.chm",
                                 "Lumtrak.scr",
                                 "User Guide.lnk",
                                 "Lumtrak.lnk",
                                 "Stock Editor.lnk",
                                 "Layouts/one.trk",
                                 "Layouts/two.TRK",
                                 "Layouts/readme.txt",
                                 "Scenery/tree.stc",
                                 "Scenery/fir.stc",
                                 "Scenery/oak.stc",
                                 "Signals/home.sig",
                                 "Textures/brick.bmp",
                                 "Stock/class08.stk",
                                 "Stock/class37.stk",
                                 "Stock/extra.stk",
                                 "Stock/notes.txt"}) {
            temp.Write(std::string("package/") + file, file);
        }
        temp.Write("package/Scenery/scenery", "tree.stc\n\\Woods\nfir.stc a comment\noak.stc\n");
        temp.Write("package/Signals/signals", "home.sig\n");
        temp.Write("package/Textures/textures", "brick.bmp\n");
        temp.Write("package/Stock/stock", "class08.stk\r\n\\Diesel\r\nclass37.stk\r\n");
    }

    InstallReport Run(bool startMenu = true, bool samples = true) {
        return Install(folders, {startMenu, samples, true}, settings);
    }

    std::string Path(const char* key) { return settings.Read("Paths", key).value_or("(none)"); }

    TempFolder temp;
    InstallFolders folders{temp / "package", temp / "target/a/b", temp / "menu", temp / "system"};
    platform::MemorySettingsStore settings;
    fs::path target = temp.Path() / "target/a/b";
};

TEST_F(InstallationTest, MovesEveryPartOfThePackageIntoPlace) {
    WritePackage();
    const auto report = Run();
    EXPECT_THAT(report.problems, IsEmpty());
    EXPECT_THAT(
        FilesBelow(target),
        UnorderedElementsAre("Lumtrak.exe", "LTK.dll", "D3D.dll", "Lumtrak Stock Editor.exe",
                             "sccon.txt", "LTK User Guide.chm", "one.trk", "two.TRK",
                             "Scenery/tree.stc", "Scenery/Woods/fir.stc", "Scenery/Woods/oak.stc",
                             "Signals/home.sig", "Textures/brick.bmp", "Stock/class08.stk",
                             "Stock/Diesel/class37.stk", "Stock/extra.stk"));
    EXPECT_EQ(ReadFileBytes(target / "Stock/Diesel/class37.stk"), "Stock/class37.stk");
    EXPECT_THAT(FilesBelow(temp.Path() / "system"), UnorderedElementsAre("Lumtrak.scr"));
    EXPECT_THAT(FilesBelow(temp.Path() / "menu"),
                UnorderedElementsAre("Lumtrak/User Guide.lnk", "Lumtrak/Lumtrak.lnk",
                                     "Lumtrak/Stock Editor.lnk"));
    EXPECT_THAT(FilesBelow(temp.Path() / "package"),
                UnorderedElementsAre("Layouts/readme.txt", "Scenery/scenery", "Signals/signals",
                                     "Textures/textures", "Stock/stock", "Stock/notes.txt"));
}

TEST_F(InstallationTest, RecordsThePathsAndDeletesTheIndexesOnEveryRun) {
    WritePackage();
    const std::string program = target.string() + "/";
    for (int run = 1; run <= 2; ++run) {
        temp.Write("target/a/b/Stock Index", "x\ty");
        temp.Write("target/a/b/SCENERY INDEX", "");
        settings.values.clear();
        const auto report = Run();
        EXPECT_FALSE(fs::exists(target / "Stock Index")) << run;
        EXPECT_FALSE(fs::exists(target / "SCENERY INDEX")) << run;
        EXPECT_EQ(Path("Program"), program);
        EXPECT_EQ(Path("Stock"), program + "Stock/");
        EXPECT_EQ(Path("Stock Editor"), program);
        if (run == 2) {
            // Nothing is left to move; each listed file is reported once.
            EXPECT_EQ(FilesBelow(target).size(), 16u);
            EXPECT_THAT(report.problems, Contains("Lumtrak.exe: not found"));
            EXPECT_THAT(report.problems, Contains("Stock/class37.stk: not found"));
            EXPECT_EQ(report.problems.size(), 6u + 1 + 7 + 3);
        }
    }
}

TEST_F(InstallationTest, UncheckedOptionsLeaveShortcutsAndLayoutsInThePackage) {
    WritePackage();
    EXPECT_THAT(Run(false, false).problems, IsEmpty());
    EXPECT_FALSE(fs::exists(temp.Path() / "menu"));
    EXPECT_FALSE(fs::exists(target / "one.trk"));
    EXPECT_TRUE(fs::exists(temp.Path() / "package/Layouts/one.trk"));
    EXPECT_TRUE(fs::exists(temp.Path() / "package/Lumtrak.lnk"));
}

TEST_F(InstallationTest, ARelativeTargetIsTakenAgainstTheCurrentFolder) {
    WritePackage();
    // The test, not the installer, moves the process, and moves it back.
    const fs::path start = fs::current_path();
    fs::current_path(temp.Path());
    folders.target = "relative/inst";
    Run();
    fs::current_path(start);
    EXPECT_TRUE(fs::exists(temp.Path() / "relative/inst/Lumtrak.exe"));
    EXPECT_EQ(Path("Program"), (temp.Path() / "relative/inst/").string());
}

TEST_F(InstallationTest, AMissingListLeavesItsSectionInThePackage) {
    WritePackage();
    fs::remove(temp.Path() / "package/Signals/signals");
    const auto report = Run();
    EXPECT_TRUE(fs::exists(temp.Path() / "package/Signals/home.sig"));
    EXPECT_TRUE(fs::is_directory(target / "Signals"));
    EXPECT_THAT(report.problems,
                UnorderedElementsAre("Signals/signals: list file not found, section not sorted"));
}

TEST_F(InstallationTest, UnsafeListEntriesMoveNothingOutsideTheSection) {
    temp.Write("package/Scenery/scenery",
               "../x.bin\n\\..\\..\\escape\nunder.bin\n\\\\server\\share\nsub/y.bin\n..\n"
               "\\Safe\nok.bin\n");
    for (const char* file : {"x.bin", "under.bin", "ok.bin", "sub/y.bin"})
        temp.Write(std::string("package/Scenery/") + file, "");
    temp.Write("package/x.bin", "outside the section");

    const auto report = Run();
    EXPECT_THAT(FilesBelow(temp.Path() / "target"),
                UnorderedElementsAre("a/b/Scenery/Safe/ok.bin"));
    EXPECT_FALSE(fs::exists(temp.Path() / "escape"));
    EXPECT_FALSE(fs::exists(temp.Path() / "target/escape"));
    EXPECT_TRUE(fs::exists(temp.Path() / "package/x.bin"));
    EXPECT_TRUE(fs::exists(temp.Path() / "package/Scenery/under.bin"));
    EXPECT_THAT(report.problems, Contains("Scenery/scenery: unsafe entry \"../x.bin\" skipped"));
    EXPECT_THAT(report.problems,
                Contains("Scenery/under.bin: not moved: listed under an unsafe entry"));
}

TEST_F(InstallationTest, LinksInThePackageAreMovedAsLinksAndNeverFollowed) {
    const fs::path outside = temp.Path() / "outside";
    fs::create_directories(outside);
    // A package link into the user's files, then a sub-folder of the same name.
    temp.Write("package/Stock/stock", "Diesel\n\\Diesel\ncargo.bin\n\\Diesel\\Deeper\n");
    fs::create_symlink(outside, temp.Path() / "package/Stock/Diesel");
    temp.Write("package/Stock/cargo.bin", "");
    // A section folder that is a link to elsewhere.
    temp.Write("elsewhere/signals", "home.sig\n");
    temp.Write("elsewhere/home.sig", "");
    fs::create_symlink(temp.Path() / "elsewhere", temp.Path() / "package/Signals");
    temp.Write("package/Layouts/real.trk", "");
    fs::create_symlink("/etc/hostname", temp.Path() / "package/Layouts/link.trk");

    const auto report = Run();
    EXPECT_TRUE(fs::is_symlink(target / "Stock/Diesel"));
    EXPECT_TRUE(fs::is_empty(outside));
    EXPECT_TRUE(fs::exists(temp.Path() / "package/Stock/cargo.bin"));
    EXPECT_TRUE(fs::exists(temp.Path() / "elsewhere/home.sig"));
    EXPECT_EQ(fs::read_symlink(target / "link.trk"), "/etc/hostname");
    EXPECT_THAT(report.problems, Contains(HasSubstr("Stock/cargo.bin: not moved")));
    EXPECT_THAT(report.problems, Contains(HasSubstr("Signals: not a plain folder")));
}

TEST_F(InstallationTest, UTF8NamesInListsAreFoundAndMoved) {
    temp.Write("package/Scenery/scenery", "K\xC3\xBChl.stc\n\\B\xC3\xA4ume\nEiche.stc\n");
    temp.Write("package/Scenery/K\xC3\xBChl.stc", "");
    temp.Write("package/Scenery/Eiche.stc", "");
    EXPECT_THAT(Run().problems, Not(Contains(HasSubstr("Scenery/"))));
    EXPECT_TRUE(fs::exists(target / "Scenery/K\xC3\xBChl.stc"));
    EXPECT_TRUE(fs::exists(target / "Scenery/B\xC3\xA4ume/Eiche.stc"));
}

TEST_F(InstallationTest, NothingIsWrittenThroughALinkAtASectionFolder) {
    WritePackage();
    const fs::path elsewhere = temp.Path() / "elsewhere";
    temp.Write("elsewhere/class08.stk", "the user's own");
    fs::create_directories(target);
    fs::create_symlink(elsewhere, target / "Stock");

    const auto report = Run();
    EXPECT_EQ(ReadFileBytes(elsewhere / "class08.stk"), "the user's own");
    EXPECT_THAT(FilesBelow(elsewhere), UnorderedElementsAre("class08.stk"));
    EXPECT_FALSE(fs::exists(elsewhere / "Diesel"));
    for (const char* file : {"class08.stk", "class37.stk", "extra.stk"}) {
        EXPECT_TRUE(fs::exists(temp.Path() / "package/Stock" / file)) << file;
    }
    EXPECT_THAT(report.problems, Contains(StartsWith("Stock: not a folder of its own")));
    // The other sections are installed as usual.
    EXPECT_TRUE(fs::exists(target / "Scenery/Woods/fir.stc"));
}

TEST_F(InstallationTest, FilesDifferingOnlyInCaseAreNeitherMixedUpNorLost) {
    temp.Write("package/Stock/stock", "X.STK\nX.STK\nboth.stk\nboth.stk\n");
    temp.Write("package/Stock/x.stk", "lower");
    temp.Write("package/Stock/X.stk", "UPPER");
    temp.Write("package/Stock/both.stk", "exact");
    temp.Write("package/Stock/BOTH.STK", "other");

    const auto report = Run();
    // No file is matched without regard to case where several would match, and
    // the file listed and moved first is not replaced by the second listing.
    EXPECT_THAT(report.problems,
                Contains(HasSubstr("X.STK: not moved: several package files differ from it only "
                                   "in case")));
    EXPECT_THAT(report.problems,
                Contains("Stock/both.stk: not moved: a file of that name was put there by this "
                         "installation already"));
    EXPECT_EQ(ReadFileBytes(target / "Stock/both.stk"), "exact");
    // The leftover stock files move under their own names.
    EXPECT_EQ(ReadFileBytes(target / "Stock/x.stk"), "lower");
    EXPECT_EQ(ReadFileBytes(target / "Stock/X.stk"), "UPPER");
    EXPECT_EQ(ReadFileBytes(target / "Stock/BOTH.STK"), "other");
}

TEST_F(InstallationTest, OnlyTheFirstHundredProblemsAreKeptAndTheRestCounted) {
    std::string list;
    for (int i = 0; i < 250; ++i)
        list += "missing" + std::to_string(i) + ".stc\n";
    temp.Write("package/Scenery/scenery", list);

    const auto report = Run(false, false);
    ASSERT_EQ(report.problems.size(), InstallReport::kKeptProblems);
    EXPECT_EQ(report.problems.front(), "Lumtrak.exe: not found");
    // Six program files and the screen saver, then the missing scenery, then
    // three sections without a folder in the package.
    EXPECT_EQ(report.problems[7], "Scenery/missing0.stc: not found");
    EXPECT_EQ(report.ProblemCount(), 6u + 1 + 3 + 250);
    EXPECT_THAT(CompletionText(report, 2), EndsWith("\n... and 258 more"));
    EXPECT_THAT(ProblemDetails(report), EndsWith("Scenery/missing92.stc: not found\n"
                                                 "... and 160 more\n"));
}

TEST(CompletionText, ListsWhatWasNotDoneAfterTheMessage) {
    EXPECT_EQ(CompletionText({}, 2), "Setup Complete");
    EXPECT_EQ(CompletionText({{"a: x", "b: y", "c: z"}}, 2),
              "Setup Complete\n\nNot done:\na: x\nb: y\n... and 1 more");
}

TEST(FolderOfChosenFile, IsThePathUpToAndIncludingItsLastSlash) {
    EXPECT_EQ(FolderOfChosenFile("/opt/lumtrak/Lumtrak.exe"), "/opt/lumtrak/");
    EXPECT_EQ(FolderOfChosenFile("/Lumtrak.exe"), "/");
    EXPECT_EQ(FolderOfChosenFile("Lumtrak.exe"), "");
}

TEST(HoldsPackage, AFolderWithTheProgramLayoutsOrASectionInAnyCaseIsAPackage) {
    TempFolder temp;
    fs::create_directory(temp / "bin");
    temp.Write("bin/lumtrak-setup", "");
    EXPECT_FALSE(HoldsPackage(temp / "bin"));
    EXPECT_FALSE(HoldsPackage(temp / "missing"));
    for (const char* part : {"LUMTRAK.EXE", "layouts/a.trk", "Textures/textures"}) {
        TempFolder package;
        package.Write(part, "");
        EXPECT_TRUE(HoldsPackage(package.Path().string())) << part;
    }
}

}  // namespace
}  // namespace lumtrak::setup

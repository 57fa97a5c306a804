#include "platform/folder_lookup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "platform/whole_file.h"
#include "support/deadline.h"
#include "support/fifo.h"
#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

using namespace std::chrono_literals;
using testing::TempFolder;

// What the file opened for path in folder holds, or "(none)".
std::string Read(FolderLookup& lookup, const Folder& folder, std::string_view path) {
    std::error_code error;
    const FileDescriptor file = lookup.OpenFile(folder, path, error);
    if (!file.IsOpen()) return "(none)";
    std::string content;
    ReadToEnd(file.Get(), content);
    return content;
}

TEST(FolderLookup, FindsEachComponentAsWrittenElseInAnyCase) {
    TempFolder root;
    root.Write("Stock/Class40/Loco.stk", "loco");
    root.Write("Stock Index", "index");
    const Folder folder = Folder::Open(root.Path().string());
    FolderLookup lookup;
    EXPECT_EQ(Read(lookup, folder, "Stock Index"), "index");
    EXPECT_EQ(Read(lookup, folder, "stock index"), "index");
    EXPECT_EQ(Read(lookup, folder, "STOCK/class40/loco.STK"), "loco");
    EXPECT_EQ(Read(lookup, folder, "./Stock//Class40/../Class40/Loco.stk"), "loco");
    EXPECT_EQ(Read(lookup, folder, "stock/missing.stk"), "(none)");
    EXPECT_EQ(Read(lookup, folder, ""), "(none)");
    EXPECT_EQ(Read(lookup, folder, "stock index/"), "(none)");  // a trailing '/' names a folder
    // A path ends at its first zero byte, as the system reads it.
    EXPECT_EQ(Read(lookup, folder, std::string_view("stock/class40/LOCO.stk\0/x", 26)), "loco");
    // An absolute path needs no folder; a relative one does.
    EXPECT_EQ(Read(lookup, Folder(), root / "STOCK/CLASS40/LOCO.STK"), "loco");
    EXPECT_EQ(Read(lookup, Folder(), "Stock Index"), "(none)");
    const Folder sub = lookup.OpenFolder(folder, "stock/CLASS40");
    EXPECT_EQ(Read(lookup, sub, "loco.stk"), "loco");
    EXPECT_FALSE(lookup.OpenFolder(folder, "Stock Index").IsOpen());
}

TEST(FolderLookup, OnlyRegularFilesOpenAndNothingWaits) {
    TempFolder root;
    const testing::Fifo fifo(root, "pipe.stk");
    root.Write("folder/x", "");
    const Folder folder = Folder::Open(root.Path().string());
    FolderLookup lookup;
    std::error_code error;
    bool opened = true;
    EXPECT_TRUE(testing::FinishesWithin(
        5s, [&] { opened = lookup.OpenFile(folder, "PIPE.stk", error).IsOpen(); },
        [&] { fifo.ReleaseReaders(); }));
    EXPECT_FALSE(opened);
    EXPECT_EQ(error, NotARegularFileError());
    EXPECT_FALSE(lookup.OpenFile(folder, "Folder", error).IsOpen());
    EXPECT_EQ(error, std::errc::is_a_directory);
    EXPECT_FALSE(lookup.OpenFile(folder, "missing", error).IsOpen());
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

TEST(FolderLookup, AFolderIsListedOnceUntilTheLookupForgetsIt) {
    TempFolder root;
    root.Write("a.stk", "a");
    const Folder folder = Folder::Open(root.Path().string());
    FolderLookup lookup;
    EXPECT_EQ(Read(lookup, folder, "LATE.stk"), "(none)");
    root.Write("late.stk", "late");
    // The listing made for the first miss answers for names in another case...
    EXPECT_EQ(Read(lookup, folder, "LATE.stk"), "(none)");
    // ...while a name as written is always looked at on disk.
    EXPECT_EQ(Read(lookup, folder, "late.stk"), "late");
    lookup.Forget();
    EXPECT_EQ(Read(lookup, folder, "LATE.stk"), "late");
}

TEST(FolderLookup, AnOpenFolderStaysTheFolderItWasWhenItsPathChanges) {
    TempFolder root;
    root.Write("old/a.stk", "a");
    const Folder folder = Folder::Open(root / "old");
    std::filesystem::rename(root.Path() / "old", root.Path() / "new");
    FolderLookup lookup;
    EXPECT_EQ(Read(lookup, folder, "A.STK"), "a");
    EXPECT_EQ(RealPathOf(folder.Descriptor()), root / "new");
    EXPECT_FALSE(Folder::Open(root / "old").IsOpen());
    EXPECT_FALSE(Folder::Open("").IsOpen());
    EXPECT_TRUE(Folder::Start().IsOpen());
}

}  // namespace
}  // namespace lumtrak::platform

#include "platform/folder_listing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

using ::testing::ElementsAre;
using Kind = FolderEntry::Kind;

TEST(FolderListing, ListsEntriesInByteOrderWithWhatLinksPointTo) {
    testing::TempFolder folder;
    folder.Write("b.stk", "");
    folder.Write("B.stk", "");
    folder.Write("\xC3\xA9.stk", "");
    folder.Write("a/x.stk", "");
    std::filesystem::create_directory_symlink(folder.Path() / "a", folder.Path() / "link");
    std::filesystem::create_symlink(folder.Path() / "gone", folder.Path() / "broken");
    EXPECT_THAT(
        *ListFolder(folder.Path().string()),
        ElementsAre(FolderEntry{"B.stk", Kind::File}, FolderEntry{"a", Kind::Folder},
                    FolderEntry{"b.stk", Kind::File}, FolderEntry{"broken", Kind::Other, true},
                    FolderEntry{"link", Kind::Folder, true},
                    FolderEntry{"\xC3\xA9.stk", Kind::File}));
    EXPECT_EQ(ListFolder(folder / "missing"), std::nullopt);
}

}  // namespace
}  // namespace lumtrak::platform

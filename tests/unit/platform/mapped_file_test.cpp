#include "platform/mapped_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "platform/folder_lookup.h"
#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

using testing::TempFolder;

TEST(MappedFile, PresentsTheWholeContentFollowedByAZeroByte) {
    TempFolder folder;
    const long page = ::sysconf(_SC_PAGESIZE);
    // One size that ends inside a page and one that fills pages exactly.
    for (std::size_t size : {std::size_t(10), std::size_t(page) * 2}) {
        const std::string content(size, 'x');
        const std::string path = folder.Write("file.stk", content);
        MappedFile file;
        RecordingMessageSink messages;
        OpenMappedFile(path, file, true, messages);
        ASSERT_NE(file.view, nullptr);
        EXPECT_EQ(file.size, size);
        EXPECT_EQ(file.Content(), content);
        EXPECT_EQ(file.view[size], '\0');
        EXPECT_TRUE(messages.messages.empty());
        CloseMappedFile(file);
        EXPECT_EQ(file.view, nullptr);
        EXPECT_EQ(file.size, 0u);
        EXPECT_EQ(file.fileHandle, -1);
    }
}

TEST(MappedFile, TrimsThePathAndFindsNamesInAnyCase) {
    TempFolder folder;
    folder.Write("Stock/Bogie.stk", "name bogie");
    MappedFile file;
    NullMessageSink messages;
    OpenMappedFile(" \t" + (folder / "stock/BOGIE.stk") + "\r\n", file, true, messages);
    ASSERT_NE(file.view, nullptr);
    EXPECT_EQ(file.Content(), "name bogie");
}

TEST(MappedFile, FailuresShowTheirMessagesWithThePathAsCaption) {
    TempFolder folder;
    const std::string missing = folder / "missing.stk";
    const std::string empty = folder.Write("empty.stk", "");

    RecordingMessageSink quiet;
    MappedFile file;
    OpenMappedFile(missing, file, false, quiet);
    EXPECT_EQ(file.view, nullptr);
    EXPECT_TRUE(quiet.messages.empty());

    RecordingMessageSink shown;
    OpenMappedFile(missing + "\n", file, true, shown);
    OpenMappedFile(empty, file, false, shown);
    OpenMappedFile(folder.Path().string(), file, true, shown);  // a folder is no file
    EXPECT_EQ(file.view, nullptr);
    ASSERT_EQ(shown.messages.size(), 3u);
    EXPECT_EQ(shown.messages[0], (Message{missing, "Can't open file"}));
    EXPECT_EQ(shown.messages[1], (Message{empty, "Can't create file mapping.\n1006 0 0"}));
    EXPECT_EQ(shown.messages[2].text, "Can't open file");
    EXPECT_EQ(file.fileHandle, -1);
}

TEST(MappedFile, AFileThatShrinksAfterItIsOpenedKeepsItsViewReadable) {
    TempFolder folder;
    const std::string path = folder.Write("part.stk", std::string(10'000, 'x'));
    MappedFile file;
    NullMessageSink messages;
    OpenMappedFile(path, file, true, messages);
    ASSERT_NE(file.view, nullptr);
    ASSERT_EQ(::truncate(path.c_str(), 0), 0);
    // The view is the file read into memory: reading it raises no signal.
    const std::string_view content = file.Content();
    EXPECT_EQ(std::count(content.begin(), content.end(), 'x'), 10'000);
}

TEST(MappedFile, AFileThatShrankBeforeItWasReadGivesTheViewMessage) {
    TempFolder folder;
    const std::string path = folder.Write("part.stk", std::string(10'000, 'x'));
    FolderLookup lookup;
    RecordingMessageSink messages;
    std::int64_t size = 0;
    FileDescriptor handle = OpenForView(lookup, Folder::Start(), path, true, messages, size);
    ASSERT_TRUE(handle.IsOpen());
    ASSERT_EQ(::truncate(path.c_str(), 10), 0);
    MappedFile file;
    ReadIntoView(std::move(handle), size, path, file, messages);
    EXPECT_EQ(file.view, nullptr);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (Message{path, "Can't map file view"}));
}

TEST(FileBuffer, FilesReadOneAfterAnotherShareTheMemoryAndEndInAZeroByte) {
    TempFolder folder;
    folder.Write("long.stk", "name Long\n");
    folder.Write("short.stk", "abc");
    folder.Write("empty.stk", "");
    const Folder at = Folder::Open(folder.Path().string());
    FileBuffer buffer;
    RecordingMessageSink messages;
    bool tooLarge = false;
    auto read = [&](const std::string& name, bool showOpenError, std::size_t largest = 100) {
        return ReadMappedFileAt(at.Descriptor(), name, "caption " + name, showOpenError, largest,
                                tooLarge, buffer, messages);
    };
    const auto first = read("long.stk", true);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, "name Long\n");
    const auto second = read("short.stk", true);
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, "abc");
    EXPECT_EQ(second->data(), first->data());
    EXPECT_EQ(second->data()[3], '\0');
    EXPECT_FALSE(read("empty.stk", true));
    EXPECT_FALSE(read("none.stk", false));
    EXPECT_FALSE(tooLarge);
    EXPECT_FALSE(read("long.stk", true, 9));
    EXPECT_TRUE(tooLarge);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              (Message{"caption empty.stk", "Can't create file mapping.\n1006 0 0"}));
}

}  // namespace
}  // namespace lumtrak::platform

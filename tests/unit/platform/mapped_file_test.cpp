#include "platform/mapped_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

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

}  // namespace
}  // namespace lumtrak::platform

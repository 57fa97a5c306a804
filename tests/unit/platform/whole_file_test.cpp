#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/mapped_file.h"
#include "support/deadline.h"
#include "support/fifo.h"
#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

using namespace std::chrono_literals;
using testing::FinishesWithin;
using testing::TempFolder;

using testing::Fifo;

TEST(WholeFile, ReadsEveryByte) {
    TempFolder folder;
    const std::string content("a\0b\r\n\xFF", 6);
    EXPECT_EQ(ReadWholeFile(folder.Write("f.stk", content)), content);
    EXPECT_EQ(ReadWholeFile(folder.Write("empty", "")), "");
    EXPECT_EQ(ReadWholeFile((folder.Path() / "missing").string()), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder.Path().string()), std::nullopt);  // a folder
}

TEST(WholeFile, AFifoIsRefusedWithoutWaiting) {
    TempFolder folder;
    const Fifo fifo(folder, "pipe.stk");
    std::optional<std::string> content = "not read";
    EXPECT_TRUE(FinishesWithin(
        5s, [&] { content = ReadWholeFile(fifo.path); }, [&] { fifo.ReleaseReaders(); }));
    EXPECT_EQ(content, std::nullopt);
    EXPECT_EQ(OpenRegularFile("/dev/null"), -1);  // a device
}

TEST(MappedFile, AFifoIsAFileThatCannotBeOpened) {
    TempFolder folder;
    const Fifo fifo(folder, "pipe.stk");
    MappedFile file;
    RecordingMessageSink messages;
    EXPECT_TRUE(FinishesWithin(
        5s, [&] { OpenMappedFile(fifo.path + "\r\n", file, true, messages); },
        [&] { fifo.ReleaseReaders(); }));
    EXPECT_EQ(file.view, nullptr);
    EXPECT_EQ(file.fileHandle, -1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (Message{fifo.path, "Can't open file"}));
}

}  // namespace
}  // namespace lumtrak::platform

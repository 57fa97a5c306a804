#include "stockindex/folder_files_reader.h"

#include <gtest/gtest.h>

#include "platform/folder_lookup.h"
#include "support/temp_folder.h"

namespace lumtrak::stockindex {
namespace {

// Whatever thread reads which file, each result stands where its file does,
// with that file's names and messages only.
TEST(FolderFilesReader, ResultsComeInTheOrderOfTheFiles) {
    testing::TempFolder folder;
    std::vector<FolderFilesReader::File> files;
    for (int i = 0; i < 200; ++i) {
        const std::string name = "f" + std::to_string(i) + ".stk";
        // Every seventh file is empty, which shows a message; one is too large.
        std::string text;
        if (i % 7 != 0) text = "name Part " + std::to_string(i) + "\nhide\n[end]\n";
        if (i == 100) text = std::string(200, ' ') + text;
        folder.Write(name, text);
        files.push_back({name, "/stock/" + name});
    }
    files.push_back({"missing.stk", "/stock/missing.stk"});

    FolderFilesReader reader(150);
    const platform::FileDescriptor opened = platform::OpenFolderPath(folder.Path().string());
    for (int round = 0; round < 3; ++round) {
        const std::vector<FileNames> read = reader.Read(opened.Get(), files);
        ASSERT_EQ(read.size(), files.size());
        for (int i = 0; i < 200; ++i) {
            const FileNames& result = read[std::size_t(i)];
            if (i == 100) {
                EXPECT_TRUE(result.tooLarge);
                EXPECT_TRUE(result.names.empty());
            } else if (i % 7 == 0) {
                ASSERT_EQ(result.messages.size(), 1u) << i;
                EXPECT_EQ(result.messages[0].caption, files[std::size_t(i)].path);
                EXPECT_TRUE(result.names.empty());
            } else {
                ASSERT_EQ(result.names.size(), 1u) << i;
                EXPECT_EQ(result.names[0].name, "Part " + std::to_string(i));
                EXPECT_TRUE(result.names[0].marked);
                EXPECT_TRUE(result.messages.empty());
            }
        }
        ASSERT_EQ(read.back().messages.size(), 1u);
        EXPECT_EQ(read.back().messages[0].caption, "/stock/missing.stk");
    }
    EXPECT_TRUE(reader.Read(opened.Get(), {}).empty());
}

}  // namespace
}  // namespace lumtrak::stockindex

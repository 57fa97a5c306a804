#include "recovery/copy_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <vector>

#include "support/temp_folder.h"

namespace lumtrak::recovery {
namespace {

using testing::TempFolder;

struct Reports {
    std::mutex mutex;
    std::vector<std::pair<std::uint64_t, std::error_code>> seen;
    CopyWriter::Report Callback() {
        return [this](std::uint64_t number, std::error_code error) {
            std::lock_guard lock(mutex);
            seen.emplace_back(number, error);
        };
    }
};

std::string CopyText(const RecoveryFolder& folder, std::uint64_t number) {
    return ReadCopy(testing::ReadFileBytes(folder.CopyPath(number))).text;
}

class CopyWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::error_code error;
        folder = RecoveryFolder::Open(temp / "recovery", error);
        ASSERT_TRUE(folder) << error.message();
    }

    TempFolder temp;
    std::unique_ptr<RecoveryFolder> folder;
    Reports reports;
};

TEST_F(CopyWriterTest, WritesInTheOrderAskedAndTheNewestTextWins) {
    CopyWriter writer(*folder, reports.Callback());
    for (int i = 0; i < 50; ++i)
        writer.Write(1, {"/a.stk", "a.stk", 129, i}, "text " + std::to_string(i));
    writer.Write(2, {"/b.stk", "b.stk", 129, 0}, "b");
    writer.Remove(2);
    writer.Flush();
    EXPECT_EQ(CopyText(*folder, 1), "text 49");
    EXPECT_FALSE(std::filesystem::exists(folder->CopyPath(2)));  // removed after any write
    std::lock_guard lock(reports.mutex);
    ASSERT_FALSE(reports.seen.empty());
    EXPECT_LE(reports.seen.size(), 51u);  // waiting writes took the newer text
    for (const auto& [number, failure] : reports.seen)
        EXPECT_FALSE(failure) << number;
}

TEST_F(CopyWriterTest, ReportsAWriteThatFailsAndFinishesItsWorkWhenItGoes) {
    {
        CopyWriter writer(*folder, reports.Callback());
        // A folder where the copy should go: it cannot be replaced.
        std::filesystem::create_directory(folder->CopyPath(4));
        writer.Write(4, {}, "lost");
        writer.Write(5, {}, std::string(1 << 20, 'x'));
    }
    EXPECT_EQ(CopyText(*folder, 5).size(), 1u << 20);
    ASSERT_EQ(reports.seen.size(), 2u);
    EXPECT_EQ(reports.seen[0].first, 4u);
    EXPECT_TRUE(reports.seen[0].second);
    EXPECT_FALSE(reports.seen[1].second);
}

}  // namespace
}  // namespace lumtrak::recovery

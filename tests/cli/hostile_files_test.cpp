// What a content package or a shared folder may hold must not hang a command,
// make it run out of memory or break the index: FIFOs named as textures, links
// that lead out of the package or fan out, names with line breaks, and
// included files of gigabytes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "cli/cli_test_support.h"
#include "support/json_value.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using namespace std::chrono_literals;

// Far below the time a command that waits on a FIFO would wait: for ever.
constexpr auto kDeadline = 20s;

TEST(HostileFiles, ATextureThatIsAFifoDoesNotHangTheScene) {
    TempFolder folder;
    const std::string document = folder.Write(
        "wagon.stk", "fill 0 0 0 100 0 0 100 0 100 0 0 100 \"pipe.bmp\" 128 128 128\n");
    ASSERT_EQ(::mkfifo((folder.Path() / "pipe.bmp").c_str(), 0600), 0);
    for (const auto& command : {std::vector<std::string>{"scene", document},
                                std::vector<std::string>{"render3d", document, "--size", "32x32",
                                                         "--out", folder / "wagon.png"}}) {
        const auto result = RunStock(command, {}, {}, kDeadline);
        EXPECT_FALSE(result.timedOut) << command[0];
        EXPECT_EQ(result.exitCode, 0) << command[0] << ": " << result.err;
    }
}

TEST(HostileFiles, AnIncludedFileOfGigabytesIsNotReadAndSpendsTheBudget) {
    TempFolder program;
    program.Write("Stock Index", "Big\tStock/big.stk\r\n");
    const std::string big = program.Write("Stock/big.stk", "name Big\n");
    ASSERT_EQ(::truncate(big.c_str(), off_t{1} << 30), 0);  // sparse: no disk taken
    const std::string document = program.Write("top.stk", "include 0 0 0 Big\n");
    for (const std::string command : {"model", "scene"}) {
        const auto result = RunStock({command, document, "--program-dir", program.Path().string()},
                                     {}, {}, kDeadline);
        ASSERT_EQ(result.exitCode, 0) << command << ": " << result.err;
        const auto json = JsonValue::Parse(result.out);
        ASSERT_EQ(json["notes"].Size(), 1u) << command;
        EXPECT_THAT(json["notes"][0].String(), HasSubstr("include budget spent")) << command;
    }
}

class HostileStockTree : public ::testing::Test {
  protected:
    ProcessResult Rebuild() {
        return RunStock({"index", "rebuild", "--program-dir", program.Path().string()}, {}, {},
                        kDeadline);
    }
    std::string PathOf(std::string_view relative) const { return program / relative; }

    TempFolder program;
};

TEST_F(HostileStockTree, LinksOutOfTheProgramFolderAreNotFollowed) {
    program.Write("Stock/a.stk", "name A\n");
    fs::create_directory_symlink("/", program.Path() / "Stock/Everything");
    const auto result = Rebuild();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "note: link '" + PathOf("Stock/Everything") +
                              "' skipped: it leads out of the program folder\n");
    EXPECT_EQ(ReadFileBytes(program.Path() / "Stock Index"),
              "A\t" + PathOf("Stock/a.stk") + "\r\n");
}

TEST_F(HostileStockTree, LinksThatFanOutAreWalkedOncePerFolder) {
    // Forty levels, each linking twice to the next: 2^40 ways down.
    for (int level = 0; level < 40; ++level) {
        const auto folder = program.Path() / "Stock/l" / std::to_string(level);
        fs::create_directories(folder);
        fs::create_directory_symlink("../" + std::to_string(level + 1), folder / "a");
        fs::create_directory_symlink("../" + std::to_string(level + 1), folder / "b");
    }
    fs::create_directories(program.Path() / "Stock/l/40");
    const auto result = Rebuild();
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 0) << result.err;
}

TEST_F(HostileStockTree, NamesWithALineBreakOrATabStayOutOfTheIndex) {
    program.Write("Stock/a.stk", "name A\n");
    program.Write("Stock/two\nlines.stk", "name Broken\n");
    program.Write("Stock/tab\there/b.stk", "name B\n");
    const auto result = Rebuild();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // A line break in a note is written as "\n", as in every line on standard error.
    EXPECT_THAT(result.err, HasSubstr("note: '" + PathOf("Stock/two\\nlines.stk") +
                                      "' skipped: the index cannot hold a name"));
    EXPECT_THAT(result.err, HasSubstr("note: '" + PathOf("Stock/tab\there") + "' skipped"));
    EXPECT_EQ(ReadFileBytes(program.Path() / "Stock Index"),
              "A\t" + PathOf("Stock/a.stk") + "\r\n");
}

}  // namespace
}  // namespace lumtrak::testing

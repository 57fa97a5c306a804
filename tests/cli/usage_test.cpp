#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>

#include "cli/cli_test_support.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(Usage, HelpAndVersionGoToStandardOutputAndSucceed) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"model", "--help"}, {"--version"}}) {
        const auto result = RunStock(args);
        EXPECT_EQ(result.exitCode, 0) << args[0];
        EXPECT_FALSE(result.out.empty());
        EXPECT_TRUE(result.err.empty());
    }
    EXPECT_THAT(RunStock({"model", "--help"}).out, HasSubstr("--highlight"));
}

// The lines of a help text's section, from the line after its title to the
// first empty line.
std::vector<std::string> SectionLines(const std::string& help, const std::string& title) {
    std::vector<std::string> lines;
    std::size_t at = help.find("\n" + title + "\n");
    if (at == std::string::npos) return lines;
    at += title.size() + 2;
    while (at < help.size() && help[at] != '\n') {
        const std::size_t end = help.find('\n', at);
        lines.push_back(help.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

// Each entry "  NAME  DESCRIPTION": the descriptions of a section start in one
// column, at least two blanks after the longest name.
void ExpectAlignedEntries(const std::vector<std::string>& entries, const std::string& what) {
    ASSERT_FALSE(entries.empty()) << what;
    std::size_t column = std::string::npos;
    for (const std::string& entry : entries) {
        ASSERT_THAT(entry, StartsWith("  ")) << what;
        const std::size_t nameEnd = entry.find("  ", 2);
        ASSERT_NE(nameEnd, std::string::npos) << what << ": " << entry;
        const std::size_t description = entry.find_first_not_of(' ', nameEnd);
        if (column == std::string::npos) column = description;
        EXPECT_EQ(description, column) << what << ": " << entry;
    }
}

TEST(Usage, DescriptionsStandInOneColumnAfterTheLongestName) {
    const std::string help = RunStock({"--help"}).out;
    const auto commands = SectionLines(help, "Commands:");
    ExpectAlignedEntries(commands, "--help");
    // The texts themselves are as they were.
    EXPECT_THAT(help, HasSubstr("  imperial-to-metric "));
    EXPECT_THAT(help, HasSubstr(" multiply the points of the selected panels by 3\n"));
    EXPECT_THAT(help, HasSubstr("  rotate-vertices-right "));
    EXPECT_THAT(help, HasSubstr(" make each selected panel's first point its last (stays "
                                "selected)\n"));
    for (const char* command : {"cylinders", "model", "install"}) {
        const std::string commandHelp = RunStock({command, "--help"}).out;
        ExpectAlignedEntries(SectionLines(commandHelp, "Options:"), command);
    }
}

TEST(Usage, BadUsageExitsWithTwoAndNamesTheCulprit) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{"frobnicate"}, "frobnicate"},
        {{"model", "x.stk", "--bogus"}, "--bogus"},
        {{"model", "x.stk", "--sel", "5"}, "--sel"},
        {{"model", "x.stk", "--sel", "5:2"}, "--sel"},
        {{"model", "x.stk", "--caret", "abc"}, "--caret"},
        {{"model", "/no/such/file.stk"}, "/no/such/file.stk"},
        {{"model"}, "FILE"},
        {{"model", "x.stk", "--highlight=yes"}, "--highlight"},
    };
    for (const auto& c : cases) {
        const auto result = RunStock(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.named;
        EXPECT_THAT(result.err, StartsWith("lumtrak-stock: ")) << c.named;
        EXPECT_THAT(result.err, HasSubstr(c.named));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST(Usage, AFolderOrAnythingElseThatIsNotARegularFileIsBadInput) {
    TempFolder temp;
    const std::string fifo = temp / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& file : {temp.Path().string(), fifo, std::string("/dev/null")}) {
        // No writer ever opens the FIFO: reading it must not wait for one.
        const auto result = RunStock({"model", file}, {}, {}, std::chrono::seconds(10));
        EXPECT_FALSE(result.timedOut) << file;
        EXPECT_EQ(result.exitCode, 2) << file;
        EXPECT_EQ(result.out, "") << file;
        EXPECT_THAT(result.err, StartsWith("lumtrak-stock: cannot read file '" + file + "': "));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST(Usage, HelpWordsAsOptionValuesAreValues) {
    const std::string loco = kSamplesFolder + "/Stock/Locomotives/Class40.stk";
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"model", loco, "--program-dir", "-h"},
                                               {"model", loco, "--program-dir=--help"},
                                               {"model", "--program-dir", "--help", loco}}) {
        const auto result = RunStock(args);
        EXPECT_EQ(result.exitCode, 0) << args[2];
        EXPECT_THAT(result.out, StartsWith("{\"name\":\"Class 40\"")) << args[2];
    }
    const auto value = RunStock({"model", loco, "--sel", "--help"});
    EXPECT_EQ(value.exitCode, 2);
    EXPECT_THAT(value.err, HasSubstr("malformed value '--help' for --sel"));
    // Where an option may stand, help is help, whatever follows.
    const auto help = RunStock({"model", "--highlight", "-h", "--bogus"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: lumtrak-stock model "));
}

TEST(Usage, NoArgumentsGiveTheReasonAndTheUsageOnStandardError) {
    const auto result = RunStock({});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, StartsWith("lumtrak-stock: missing COMMAND\nUsage: lumtrak-stock "));
}

TEST(Usage, OutputThatCannotBeWrittenFailsEveryCommand) {
    TempFolder temp;
    temp.Write("package/Lumtrak.exe", "");
    const std::string loco = kSamplesFolder + "/Stock/Locomotives/Class40.stk";
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"--version"},
        {"model", "--help"},
        {"model", loco, "--program-dir", kSamplesFolder},
        {"install", "--source", temp / "package", "--target", temp / "target", "--system-dir",
         temp / "system"},
    };
    for (const char* redirect : {">/dev/full", ">&-"}) {
        for (const auto& command : commands) {
            std::vector<std::string> args = {"-c", std::string("exec \"$0\" \"$@\" ") + redirect,
                                             LUMTRAK_STOCK_EXE};
            args.insert(args.end(), command.begin(), command.end());
            const auto result = RunProcess("/bin/sh", args, {},
                                           {{"LUMTRAK_PROGRAM_DIR", ""},
                                            {"XDG_CONFIG_HOME", temp / "config"},
                                            {"XDG_DATA_HOME", temp / "data"}});
            const std::string what = std::string(redirect) + " " + command[0];
            EXPECT_EQ(result.exitCode, 1) << what;
            // The installation reports what it could not do before its message.
            const std::string last =
                result.err.substr(result.err.rfind('\n', result.err.size() - 2) + 1);
            EXPECT_THAT(last, StartsWith("lumtrak-stock: cannot write standard output: ")) << what;
            EXPECT_EQ(std::count(last.begin(), last.end(), '\n'), 1) << result.err;
        }
    }
    const auto full = RunProcess(
        "/bin/sh", {"-c", "exec \"$0\" \"$@\" >/dev/full", LUMTRAK_STOCK_EXE, "--version"});
    EXPECT_EQ(full.err, "lumtrak-stock: cannot write standard output: No space left on device\n");
    // With standard output closed, no file that the program opens takes its place.
    EXPECT_EQ(ReadFileBytes(temp / "config/Halbern/Lumtrak.conf").find("Setup Complete"),
              std::string::npos);
}

}  // namespace
}  // namespace lumtrak::testing

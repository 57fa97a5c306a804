#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli/cli_test_support.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class StockIndexCommand : public ::testing::Test {
  protected:
    ProcessResult Run(std::vector<std::string> args, const std::string& input = {}) {
        args.push_back("--program-dir");
        args.push_back(program.Path().string());
        return RunStock(args, input);
    }
    std::string Index() const { return ReadFileBytes(program.Path() / "Stock Index"); }
    std::string PathOf(std::string_view relative) const { return program / relative; }

    TempFolder program;
};

TEST_F(StockIndexCommand, RebuildWritesTheIndexAndPrintsProgressWhenVerbose) {
    program.Write("Stock/A/x.stk", "name X\r\ncomponent\r\n[end]\r\n");
    std::filesystem::create_directories(program.Path() / "Stock/B");
    auto result = Run({"index", "rebuild"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const std::string expected = "NODE\r\nA\r\n#X\t" + PathOf("Stock/A/x.stk") +
                                 "\r\nEnd NODE\r\nNODE\r\nB\r\nEnd NODE\r\nEnd NODE\r\n";
    EXPECT_EQ(Index(), expected);

    result = RunStock({"index", "rebuild", "--verbose"}, {},
                      {{"LUMTRAK_PROGRAM_DIR", program.Path().string()}});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, PathOf("Stock") + "\n" + PathOf("Stock/A") + "\n" + PathOf("Stock/B") +
                              "\nStock Index complete\n");
    EXPECT_EQ(Index(), expected);
}

TEST_F(StockIndexCommand, RebuildReportsUnreadableFilesAndFailsWhenItCannotWrite) {
    program.Write("Stock/empty.stk", "");
    auto result = Run({"index", "rebuild"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, PathOf("Stock/empty.stk") + ": Can't create file mapping.\\n1006 0 0\n");

    program.Write("Stock Index", "kept");
    ::chmod(PathOf("Stock Index").c_str(), 0444);
    result = Run({"index", "rebuild"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, StartsWith(PathOf("Stock Index") + ": Can't write file\n"));
    EXPECT_EQ(Index(), "kept");
}

TEST_F(StockIndexCommand, UpdateWritesTheDocumentsPathOrTheOneGiven) {
    program.Write("Stock Index", "Loco\t/old/loco.stk\r\nOther\t/old/other.stk\r\n");
    const std::string document = program.Write("work/loco.stk", "name Loco\n[end]\n");
    auto result = Run({"index", "update", document});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Index(), "#####\r\nNODE\r\nUpdate\r\nLoco\t" + document +
                           "\r\nEnd NODE\r\n#####\r\nOther\t/old/other.stk\r\n");

    // A relative FILE is written as an absolute path.
    result =
        RunProcess(LUMTRAK_STOCK_EXE, {"index", "update", "work/./loco.stk", "--program-dir", "."},
                   {}, {{"LUMTRAK_PROGRAM_DIR", ""}}, program.Path().string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(Index(), StartsWith("#####\r\nNODE\r\nUpdate\r\nLoco\t" + document + "\r\n"));

    result = Run({"index", "update", document, "--document-path", "C:\\Stock\\loco.stk"});
    EXPECT_THAT(Index(), HasSubstr("Loco\tC:\\Stock\\loco.stk\r\n"));
    // Standard input and an empty --document-path stand for a document never saved.
    result = Run({"index", "update", "-"}, "name Piped\n");
    EXPECT_THAT(Index(), StartsWith("#####\r\nNODE\r\nUpdate\r\nPiped\t\r\n"));
    result = Run({"index", "update", document, "--document-path="});
    EXPECT_EQ(Index(),
              "#####\r\nNODE\r\nUpdate\r\nLoco\t\r\nEnd NODE\r\n#####\r\n"
              "Other\t/old/other.stk\r\n");
}

TEST_F(StockIndexCommand, RequiredFilesListsTheDefinitionUnderTheCaretAsRawBytes) {
    program.Write("Stock Index", "Bogie\t" + PathOf("Stock/parts.stk") + "\r\n");
    const std::string text =
        "name A\nfill \"a.bmp\"\n[end]\nname B\nfill \"caf\xE9.bmp\"\ninclude 0 0 0 bogie\n";
    auto result =
        Run({"required-files", "-", "--caret", std::to_string(text.find("name B"))}, text);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "\tcaf\xE9.bmp\r\nparts.stk\r\n");
    result = Run({"required-files", "-"}, text);
    EXPECT_EQ(result.out, "\ta.bmp\r\n");
}

TEST(StockIndexUsage, SubCommandsAndTheirOptionsAreCheckedAndExplained) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"index"},
                                               {"index", "frob"},
                                               {"index", "update"},
                                               {"index", "rebuild", "x.stk"},
                                               {"index", "rebuild", "--bogus"},
                                               {"required-files"},
                                               {"required-files", "/no/such.stk"}}) {
        const auto result = RunStock(args);
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_THAT(result.err, StartsWith("lumtrak-stock: ")) << args.back();
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    auto help = RunStock({"index", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("index rebuild"));
    EXPECT_THAT(help.out, HasSubstr("index update"));
    help = RunStock({"index", "rebuild", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("--verbose"));
    EXPECT_THAT(RunStock({"--help"}).out, HasSubstr("required-files"));
}

}  // namespace
}  // namespace lumtrak::testing

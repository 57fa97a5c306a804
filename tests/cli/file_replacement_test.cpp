// What the commands do to the files they write: atomic replacement that keeps
// what belongs to a file, outputs that are no regular files, read-only files,
// folders that take no new file, and two index rebuilds at once.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr uid_t kNobody = 65534;
const std::string kText = "vertex 1 2 3\r\n";
const std::string kShifted = "Vertex 2 2 3\r\n";

struct stat StatOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

std::size_t EntriesIn(const fs::path& folder) {
    return std::size_t(std::distance(fs::directory_iterator(folder), {}));
}

// Runs lumtrak-stock as an ordinary user, so that permissions bind: the
// superuser runs it as nobody.
ProcessResult RunStockAsOrdinaryUser(const std::vector<std::string>& arguments) {
    if (::geteuid() != 0) return RunStock(arguments);
    std::vector<std::string> command = {"--reuid=65534", "--regid=65534", "--clear-groups",
                                        LUMTRAK_STOCK_EXE};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return RunProcess("/usr/bin/setpriv", command, {}, {{"LUMTRAK_PROGRAM_DIR", ""}});
}

TEST(FileReplacement, OutputsThatAreNoRegularFilesAreWrittenStraightThrough) {
    auto result = RunStock({"shift", "-", "--w", "1", "-o", "/dev/null"}, kText);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    // Standard output is a pipe here.
    result = RunStock({"shift", "-", "--sel", "0:14", "--w", "1", "-o", "/dev/stdout"}, kText);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, kShifted);
    result = RunStock({"draw2d", "-", "--png", "/dev/null"}, "fill 0 0 0 9 0 0 9 0 9 0 0 9\r\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, StartsWith("{\"name\""));
}

TEST(FileReplacement, InPlaceKeepsModeOwnerAndLinksAndDropsSetIdBits) {
    TempFolder folder;
    const std::string file = folder.Write("real/crate.stk", kText);
    ::chmod(file.c_str(), 06750);
    const bool root = ::geteuid() == 0;
    if (root) ::chown(file.c_str(), kNobody, kNobody);
    const std::string link = folder / "crate.stk";
    fs::create_symlink("real/crate.stk", link);

    const auto result = RunStock({"shift", link, "--sel", "0:14", "--w", "1", "--in-place"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(file), kShifted);
    const struct stat info = StatOf(file);
    EXPECT_EQ(info.st_mode & 07777, 0750u);
    if (root) {
        EXPECT_EQ(info.st_uid, kNobody);
    }
    EXPECT_EQ(EntriesIn(folder.Path() / "real"), 1u);

    // -o through a link that names nothing yet makes the file it names.
    const std::string dangling = folder / "out.stk";
    fs::create_symlink("real/out.stk", dangling);
    EXPECT_EQ(RunStock({"shift", file, "--sel", "0:14", "-o", dangling}).exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadFileBytes(folder / "real/out.stk"), kShifted);
}

TEST(FileReplacement, AReadOnlyFileIsRefusedWithStatusOne) {
    TempFolder folder;
    const std::string file = folder.Write("crate.stk", kText);
    ::chmod(file.c_str(), 0444);
    auto result = RunStock({"shift", file, "--w", "1", "--in-place"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "lumtrak-stock: cannot write '" + file + "': the file is read-only\n");
    result = RunStock({"shift", "-", "--w", "1", "-o", file}, kText);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(ReadFileBytes(file), kText);
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(FileReplacement, AWritableFileInAFolderThatTakesNoNewFileIsWrittenInPlaceWithANote) {
    TempFolder temp;
    ::chmod(temp.Path().c_str(), 0755);
    const std::string folder = temp / "locked";
    const std::string file = temp.Write("locked/crate.stk", kText);
    if (::geteuid() == 0) {
        ::chown(folder.c_str(), kNobody, kNobody);
        ::chown(file.c_str(), kNobody, kNobody);
    }
    ::chmod(folder.c_str(), 0555);
    const auto result =
        RunStockAsOrdinaryUser({"shift", file, "--sel", "0:14", "--w", "1", "--in-place"});
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "note: '" + file +
                              "' was written in place: its folder takes no new file beside it\n");
    EXPECT_EQ(ReadFileBytes(file), kShifted);
    EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(FileReplacement, AnIndexInAProgramFolderThatTakesNoNewFileIsWrittenInPlaceWithANote) {
    TempFolder temp;
    ::chmod(temp.Path().c_str(), 0755);
    const std::string program = temp / "program";
    const std::string index = temp.Write("program/Stock Index", "Old\t/old.stk\r\n");
    const std::string stock = temp.Write("program/Stock/a.stk", "name A\r\n");
    if (::geteuid() == 0) {
        ::chown(program.c_str(), kNobody, kNobody);
        ::chown(index.c_str(), kNobody, kNobody);
    }
    ::chmod(program.c_str(), 0555);
    const std::string note =
        "note: '" + index + "' was written in place: its folder takes no new file beside it\n";
    auto result = RunStockAsOrdinaryUser({"index", "rebuild", "--program-dir", program});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, note);
    EXPECT_EQ(ReadFileBytes(index), "A\t" + stock + "\r\n");
    result = RunStockAsOrdinaryUser(
        {"index", "update", stock, "--document-path", "/d/a.stk", "--program-dir", program});
    ::chmod(program.c_str(), 0755);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, note);
    EXPECT_EQ(ReadFileBytes(index),
              "#####\r\nNODE\r\nUpdate\r\nA\t/d/a.stk\r\nEnd NODE\r\n#####\r\n");
    EXPECT_EQ(EntriesIn(program), 2u);
}

TEST(FileReplacement, ARebuildThroughALinkedIndexKeepsTheLinkAndTheMode) {
    TempFolder program;
    program.Write("Stock/a.stk", "name A\r\n");
    const std::string real = program.Write("shared/index", "old");
    ::chmod(real.c_str(), 0600);
    fs::create_symlink("shared/index", program.Path() / "Stock Index");
    const auto result = RunStock({"index", "rebuild", "--program-dir", program.Path().string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::is_symlink(program.Path() / "Stock Index"));
    EXPECT_EQ(ReadFileBytes(real), "A\t" + (program / "Stock/a.stk") + "\r\n");
    EXPECT_EQ(StatOf(real).st_mode & 07777, 0600u);
}

TEST(FileReplacement, TwoRebuildsAtOnceLeaveAWholeIndexWhenOneIsKilledHalfWay) {
    TempFolder program;
    for (int folder = 0; folder < 40; ++folder) {
        for (int file = 0; file < 25; ++file) {
            program.Write("Stock/F" + std::to_string(folder) + "/s" + std::to_string(file) + ".stk",
                          "name Stock " + std::to_string(folder * 100 + file) + "\r\n");
        }
    }
    const std::vector<std::string> rebuild = {"index", "rebuild", "--verbose", "--program-dir",
                                              program.Path().string()};
    ASSERT_EQ(RunStock(rebuild).exitCode, 0);
    const std::string whole = ReadFileBytes(program.Path() / "Stock Index");

    // The first stops half way, the second starts and stops half way, the first
    // finishes, the second is killed.
    StartedProcess first(LUMTRAK_STOCK_EXE, rebuild, {{"LUMTRAK_PROGRAM_DIR", ""}});
    ASSERT_TRUE(first.ReadLine());
    first.Signal(SIGSTOP);
    StartedProcess second(LUMTRAK_STOCK_EXE, rebuild, {{"LUMTRAK_PROGRAM_DIR", ""}});
    ASSERT_TRUE(second.ReadLine());
    second.Signal(SIGSTOP);
    first.Signal(SIGCONT);
    while (first.ReadLine()) {
    }
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(ReadFileBytes(program.Path() / "Stock Index"), whole);
    second.Signal(SIGKILL);
    EXPECT_EQ(second.Wait(), 128 + SIGKILL);
    EXPECT_EQ(ReadFileBytes(program.Path() / "Stock Index"), whole);
}

TEST(FileReplacement, Draw2dRefusesAFrameLargerThanARenderedPicture) {
    const std::string text = "fill 0 0 0 9 0 0 9 0 9 0 0 9\r\n";
    for (const std::string size : {"65535x65535", "16385x20", "8192x4097"}) {
        const auto result =
            RunStock({"draw2d", "-", "--frame-size", size, "--png", "/dev/null"}, text);
        EXPECT_EQ(result.exitCode, 2) << size;
        EXPECT_EQ(result.err, "lumtrak-stock: --frame-size: a frame of " + size +
                                  " pixels is too large (at most 16384 either way and 33554432 "
                                  "pixels in all)\n");
    }
    EXPECT_EQ(RunStock({"draw2d", "-", "--frame-size", "16384x20"}, text).exitCode, 0);
}

TEST(FileReplacement, CylindersRefuseStepsWhosePanelsWouldPassAMillionLines) {
    auto result = RunStock({"cylinders", "-", "--cylinder", "--solid-a", "--steps", "100000000"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
              "lumtrak-stock: --steps needs 0 <= N <= 500000: the panels of more steps would pass "
              "1000000 lines\n");
    result = RunStock({"cylinders", "-", "--steps", "-1"});
    EXPECT_EQ(result.exitCode, 2);
    // With no surface on, the steps make nothing, however many.
    result = RunStock({"cylinders", "-", "--steps", "2147483647"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "\r\n\r\n");
}

}  // namespace
}  // namespace lumtrak::testing

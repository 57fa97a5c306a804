#include "platform/file_replacement.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "support/temp_folder.h"

namespace lumtrak::platform {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempFolder;

constexpr uid_t kNobody = 65534;

std::string EveryByteValue() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    return bytes + "\r\n\n\r";
}

std::size_t EntriesIn(const fs::path& folder) {
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++entries;
    return entries;
}

struct stat StatOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

// Runs work in a child process as a user without privileges, so that
// permissions bind as they bind an ordinary user: the superuser switches to
// nobody, anyone else stays who they are. Gives whether work returned true.
bool AsOrdinaryUser(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A folder that the ordinary user of AsOrdinaryUser owns.
std::string OrdinaryUsersFolder(const TempFolder& temp, const std::string& name) {
    ::chmod(temp.Path().c_str(), 0755);
    const std::string folder = temp / name;
    fs::create_directory(folder);
    if (::geteuid() == 0) ::chown(folder.c_str(), kNobody, kNobody);
    return folder;
}

TEST(FileReplacement, WritesNewAndExistingFilesByteForByteAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string created = folder / "new.stk";
    auto result = ReplaceFile(created, EveryByteValue());
    ASSERT_FALSE(result.error);
    EXPECT_EQ(result.way, ReplacementWay::Renamed);
    EXPECT_EQ(ReadFileBytes(created), EveryByteValue());

    const std::string existing = folder.Write("old.stk", "a much longer old content than the new");
    ::chmod(existing.c_str(), 0640);
    ASSERT_FALSE(ReplaceFile(existing, "short").error);
    EXPECT_EQ(ReadFileBytes(existing), "short");
    EXPECT_EQ(StatOf(existing).st_mode & 07777, 0640u);
    EXPECT_EQ(EntriesIn(folder.Path()), 2u);
}

TEST(FileReplacement, KeepsModeAndOwnerButDropsSetIdBits) {
    TempFolder folder;
    const std::string file = folder.Write("tool", "old");
    ::chmod(file.c_str(), 06755);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_FALSE(ReplaceFile(file, "new").error);
    EXPECT_EQ(ReadFileBytes(file), "new");
    const struct stat info = StatOf(file);
    EXPECT_EQ(info.st_mode & 07777, 0755u);
    if (root) {
        EXPECT_EQ(info.st_uid, kNobody);
        EXPECT_EQ(info.st_gid, kNobody);
    }
}

TEST(FileReplacement, RefusesAReadOnlyFileEvenForTheSuperuser) {
    TempFolder folder;
    const std::string file = folder.Write("loco.stk", "old");
    ::chmod(file.c_str(), 0444);
    EXPECT_EQ(ReplaceFile(file, "new").error, ReadOnlyFileError());
    EXPECT_EQ(ReadFileBytes(file), "old");
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);

    // Writable by its owner only, and someone else's.
    ::chmod(file.c_str(), 0644);
    ::chmod(folder.Path().c_str(), 0777);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        if (::getuid() != 0 && StatOf(file).st_uid == ::getuid()) return true;
        return ReplaceFile(file, "new").error == ReadOnlyFileError();
    }));
    EXPECT_EQ(ReadFileBytes(file), "old");
}

TEST(FileReplacement, ReplacesTheTargetOfALinkAndKeepsTheLink) {
    TempFolder folder;
    const std::string target = folder.Write("real/loco.stk", "old");
    const std::string link = folder / "loco.stk";
    fs::create_symlink("real/loco.stk", link);
    const std::string second = folder / "second.stk";
    fs::create_symlink(link, second);
    ASSERT_FALSE(ReplaceFile(second, "new").error);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(second));
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(EntriesIn(folder.Path() / "real"), 1u);

    // A link that names nothing yet makes the file it names.
    const std::string dangling = folder / "dangling.stk";
    fs::create_symlink("real/later.stk", dangling);
    ASSERT_FALSE(ReplaceFile(dangling, "made").error);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadFileBytes(folder / "real/later.stk"), "made");
}

TEST(FileReplacement, AHardLinkKeepsTheOldContent) {
    TempFolder folder;
    const std::string file = folder.Write("loco.stk", "old");
    fs::create_hard_link(file, folder / "twin.stk");
    ASSERT_FALSE(ReplaceFile(file, "new").error);
    EXPECT_EQ(ReadFileBytes(file), "new");
    EXPECT_EQ(ReadFileBytes(folder / "twin.stk"), "old");
}

TEST(FileReplacement, FailsForAMissingFolderOrAFolderInThePlaceOfTheFile) {
    TempFolder folder;
    EXPECT_TRUE(ReplaceFile(folder / "missing/loco.stk", "x").error);
    fs::create_directories(folder.Path() / "folder.stk/inside");
    EXPECT_TRUE(ReplaceFile(folder / "folder.stk", "x").error);
    EXPECT_TRUE(fs::is_directory(folder.Path() / "folder.stk/inside"));
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(FileReplacement, ANameTooLongForATemporaryBesideItTakesAShortTemporaryName) {
    TempFolder folder;
    const std::string name(250, 'n');
    const std::string file = folder.Write(name, "old");
    ASSERT_FALSE(ReplaceFile(file, "new").error);
    EXPECT_EQ(ReadFileBytes(file), "new");
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(FileReplacement, OutputsThatAreNoRegularFilesAreWrittenStraightThrough) {
    const auto toNull = ReplaceFile("/dev/null", "anything");
    EXPECT_FALSE(toNull.error);
    EXPECT_EQ(toNull.way, ReplacementWay::StraightThrough);

    // A pipe named through /proc, as /dev/stdout names standard output.
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const auto toPipe = ReplaceFile("/proc/self/fd/" + std::to_string(pipe[1]), "piped");
    EXPECT_FALSE(toPipe.error);
    EXPECT_EQ(toPipe.way, ReplacementWay::StraightThrough);
    char read[16] = {};
    EXPECT_EQ(::read(pipe[0], read, sizeof read), 5);
    EXPECT_EQ(std::string(read), "piped");
    ::close(pipe[0]);
    ::close(pipe[1]);

    // A regular file named through /proc is written where its descriptor
    // stands, after what was written to it: the file is not replaced.
    TempFolder folder;
    const std::string file = folder.Write("out", "");
    const int out = ::open(file.c_str(), O_WRONLY | O_APPEND);
    ASSERT_EQ(::write(out, "first ", 6), 6);
    const ino_t inode = StatOf(file).st_ino;
    EXPECT_FALSE(ReplaceFile("/proc/self/fd/" + std::to_string(out), "second").error);
    ::close(out);
    EXPECT_EQ(ReadFileBytes(file), "first second");
    EXPECT_EQ(StatOf(file).st_ino, inode);

    // A FIFO: written to its reader; without one, refused at once.
    const std::string fifo = folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReplaceFile(fifo, "x").error, std::errc::no_such_device_or_address);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_FALSE(ReplaceFile(fifo, "through").error);
    EXPECT_EQ(::read(reader, read, sizeof read), 7);
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(FileReplacement, TheTargetChangesOnlyOnCommitAndAnUncommittedReplacementLeavesNothing) {
    TempFolder folder;
    const std::string target = folder.Write("index", "old");
    {
        FileReplacement file;
        ASSERT_FALSE(file.Open(target));
        file.Write(std::string(300'000, 'x'));
        EXPECT_EQ(ReadFileBytes(target), "old");
        EXPECT_EQ(EntriesIn(folder.Path()), 2u);
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);

    FileReplacement file;
    ASSERT_FALSE(file.Open(target));
    file.Write("new ");
    file.Write("text");
    ASSERT_FALSE(file.Commit());
    EXPECT_EQ(ReadFileBytes(target), "new text");
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(FileReplacement, TwoReplacementsAtOnceEachInstallAWholeFile) {
    TempFolder folder;
    const std::string target = folder.Write("Stock Index", "old");
    FileReplacement first;
    FileReplacement second;
    ASSERT_FALSE(first.Open(target));
    ASSERT_FALSE(second.Open(target));
    first.Write(std::string(100'000, '1'));
    second.Write(std::string(200'000, '2'));
    ASSERT_FALSE(second.Commit());
    EXPECT_EQ(ReadFileBytes(target), std::string(200'000, '2'));
    first.Write(std::string(100'000, '1'));
    ASSERT_FALSE(first.Commit());
    EXPECT_EQ(ReadFileBytes(target), std::string(200'000, '1'));
    EXPECT_EQ(EntriesIn(folder.Path()), 1u);
}

TEST(FileReplacement, AWriterKilledHalfWayLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string old = std::string(50'000, 'o') + "end";
    const std::string target = folder.Write("Stock Index", old);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        FileReplacement file;
        if (file.Open(target)) ::_exit(1);
        // More than one buffer, so that part of it is on disk.
        file.Write(std::string(1'000'000, 'n'));
        (void)!::write(ready[1], "w", 1);
        for (;;)
            ::pause();
    }
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    ::kill(writer, SIGKILL);
    int status = 0;
    ::waitpid(writer, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadFileBytes(target), old);
}

TEST(FileReplacement, AWritableFileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
    TempFolder temp;
    const std::string folder = OrdinaryUsersFolder(temp, "locked");
    const std::string file = folder + "/loco.stk";
    const std::string readOnly = folder + "/read-only.stk";
    ASSERT_TRUE(AsOrdinaryUser([&] {
        ::umask(022);
        ReplaceFile(file, "a much longer old content than the new");
        ReplaceFile(readOnly, "kept");
        ::chmod(readOnly.c_str(), 0444);
        return ::chmod(folder.c_str(), 0555) == 0;
    }));
    EXPECT_TRUE(AsOrdinaryUser([&] {
        const auto result = ReplaceFile(file, "new");
        const auto refused = ReplaceFile(readOnly, "new");
        const auto created = ReplaceFile(folder + "/new.stk", "new");
        return !result.error && result.way == ReplacementWay::InPlace &&
               refused.error == ReadOnlyFileError() && created.error;
    }));
    EXPECT_EQ(ReadFileBytes(file), "new");
    EXPECT_EQ(ReadFileBytes(readOnly), "kept");
    EXPECT_EQ(StatOf(file).st_mode & 0777, 0644u);
    EXPECT_EQ(EntriesIn(folder), 2u);
    ::chmod(folder.c_str(), 0755);
}

TEST(FileReplacement, ReplacingTheNameWritesNothingThroughWhatStandsThere) {
    TempFolder folder;
    const std::string elsewhere = folder.Write("elsewhere", "keep");
    const std::string capture = folder / "Temp00.bmp";
    fs::create_symlink(elsewhere, capture);
    ReplacementOptions options;
    options.replaceName = true;
    ASSERT_FALSE(ReplaceFile(capture, "new", options).error);
    EXPECT_EQ(ReadFileBytes(elsewhere), "keep");
    EXPECT_FALSE(fs::is_symlink(capture));
    EXPECT_EQ(ReadFileBytes(capture), "new");

    // A FIFO is replaced too, without waiting for a reader, and so is a
    // read-only file.
    fs::remove(capture);
    ASSERT_EQ(::mkfifo(capture.c_str(), 0600), 0);
    ASSERT_FALSE(ReplaceFile(capture, "frame", options).error);
    EXPECT_EQ(ReadFileBytes(capture), "frame");
    ::chmod(capture.c_str(), 0444);
    ASSERT_FALSE(ReplaceFile(capture, "again", options).error);
    EXPECT_EQ(ReadFileBytes(capture), "again");

    // Options set the mode and the times; a link is replaced by a link.
    options.mode = 0751;
    options.modificationTime = timespec{1'000'000'000, 0};
    ASSERT_FALSE(ReplaceFile(capture, "x", options).error);
    EXPECT_EQ(StatOf(capture).st_mode & 07777, 0751u);
    EXPECT_EQ(StatOf(capture).st_mtim.tv_sec, 1'000'000'000);
    ASSERT_FALSE(ReplaceWithLink(capture, "elsewhere"));
    EXPECT_EQ(ReadFileBytes(capture), "keep");
    EXPECT_EQ(EntriesIn(folder.Path()), 2u);
}

}  // namespace
}  // namespace lumtrak::platform

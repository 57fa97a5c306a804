// What a load tells its record: the files it read and the parts its
// definitions named, and an include cache that never hands out a copy of a
// file older than the file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "loader_test_support.h"
#include "model/load_record.h"
#include "model/text_lines.h"
#include "platform/folder_lookup.h"

namespace lumtrak::model {
namespace {

// The real path of a file of the test's folders, as the record names it.
std::string Real(const std::string& path) {
    return std::filesystem::canonical(path).string();
}

// Sets a file's modification time, to the nanosecond.
void SetModified(const std::string& path, timespec when) {
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

timespec ModifiedOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mtim;
}

class LoadRecordTest : public LoaderTest {
  protected:
    LoadRecord& LoadRecorded(std::string bytes,
                             LoadRecord::Keeps keeps = LoadRecord::Keeps::Parts) {
        text_ = std::move(bytes);
        record_ = std::make_unique<LoadRecord>(keeps);
        LoadEnvironment environment(messages, textures, includes);
        environment.record = record_.get();
        StockModel stock;
        LoadDefinitionAt(stock, DefinitionText(text_), {0, 0}, false, environment);
        return *record_;
    }

  private:
    std::string text_;
    std::unique_ptr<LoadRecord> record_;
};

TEST(TextLines, CountLinesAsTheEditorShowsThem) {
    const std::string text = "a\r\nb\nc\rd";
    const TextLines lines(text);
    EXPECT_EQ(lines.Count(), 4u);
    EXPECT_EQ(lines.LineOf(0), 1u);
    EXPECT_EQ(lines.LineOf(2), 1u);  // between the CR and the LF of one line end
    EXPECT_EQ(lines.LineOf(3), 2u);
    EXPECT_EQ(lines.LineOf(7), 4u);
    EXPECT_EQ(lines.LineOf(99), 4u);
    EXPECT_EQ(lines.LineStart(3), 5u);
    EXPECT_EQ(lines.LineStart(9), text.size());
    for (Cursor pos = 0; pos <= text.size(); ++pos)
        EXPECT_EQ(LineOf(text, pos), lines.LineOf(pos)) << pos;
}

TEST_F(LoadRecordTest, NamesEachPartWhereItStandsAndWhereItWasFound) {
    programFolder.Write("Stock/bogie.stk",
                        "# bogie\nname Bogie\nwheel 0 -35 18 -1 0 Axle\n[end]\n"
                        "name Axle\nfill 0 0 0 1 0 0 1 1 0 0 1 0 1/1/1\n[end]\n");
    WriteIndex({{"Bogie", "Stock/bogie.stk"}, {"Axle", "Stock/bogie.stk"}});
    const std::string loco =
        "name Loco\n"
        "include 0 150 0 [Left] Bogie [Right]\n"
        "tilt 0 450 0  !bogie  # turned\n"
        "include 0 0 0 Nowhere\n"
        "motion1 0 0 0 Local\n"
        "[end]\n"
        "name Local\n";
    const LoadRecord& record = LoadRecorded(loco);

    const auto& parts = record.Parts();
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0].statement, Statement::Include);
    EXPECT_EQ(parts[0].name, "Bogie");
    EXPECT_EQ(parts[0].written, (TextPlace{"", loco.find("Bogie"), 2}));
    const std::string bogieFile = Real(programFolder / "Stock/bogie.stk");
    EXPECT_EQ(parts[0].definition, (TextPlace{bogieFile, 8, 2}));
    ASSERT_EQ(parts[0].parts.size(), 1u);
    EXPECT_EQ(parts[0].parts[0].statement, Statement::Wheel);
    EXPECT_EQ(parts[0].parts[0].written.path, bogieFile);
    EXPECT_EQ(parts[0].parts[0].definition->line, 5u);

    EXPECT_EQ(parts[1].statement, Statement::Tilt);
    EXPECT_EQ(parts[1].name, "!bogie");  // blanks trimmed, the turn kept
    EXPECT_EQ(parts[1].parts.size(), 1u);
    EXPECT_FALSE(parts[2].definition.has_value());
    // The model places no moving part, so the record does not look for it.
    EXPECT_EQ(parts[3].statement, Statement::Motion1);
    EXPECT_FALSE(parts[3].definition.has_value());

    EXPECT_EQ(record.Files(),
              (std::vector<std::string>{Real(programFolder / "Stock Index"), bogieFile}));
    // A record of the files alone has the same files and no parts.
    const std::vector<std::string> read = record.Files();
    const LoadRecord& files = LoadRecorded(loco, LoadRecord::Keeps::Files);
    EXPECT_EQ(files.Files(), read);
    EXPECT_TRUE(files.Parts().empty());
}

TEST_F(LoadRecordTest, FollowsMotionsWhenAskedAndEndsAtCycles) {
    const std::string text =
        "name Top\nmotion2 1 2 3 4 5 6 Rod\n[end]\n"
        "name Rod\ninclude 0 0 0 Top\n[end]\n";
    const LoadRecord& record = LoadRecorded(text, LoadRecord::Keeps::PartsAndMotions);
    ASSERT_EQ(record.Parts().size(), 1u);
    const PartNode& rod = record.Parts()[0];
    EXPECT_EQ(rod.statement, Statement::Motion2);
    ASSERT_TRUE(rod.definition.has_value());
    EXPECT_EQ(rod.definition->line, 4u);
    EXPECT_EQ(rod.definition->offset, text.find("name Rod"));
    // Top includes Rod includes Top: the second Top is found, not read again.
    ASSERT_EQ(rod.parts.size(), 1u);
    EXPECT_TRUE(rod.parts[0].definition.has_value());
    EXPECT_TRUE(rod.parts[0].parts.empty());
    EXPECT_TRUE(record.Files().empty());
}

TEST_F(LoadRecordTest, AChangedPartFileIsReadAnewThoughItsSizeAndTimeStayTheSame) {
    const std::string part = programFolder.Write("Stock/p.stk", "name P\nwheelbase 300\n[end]\n");
    WriteIndex({{"P", "Stock/p.stk"}});
    const std::string loco = "name L\ninclude 0 0 0 P\n[end]\n";
    EXPECT_EQ(Load(loco).wheelbase, 100);

    // Written again within the same tick of the file system's clock: the same
    // size and the same modification time.
    const timespec modified = ModifiedOf(part);
    programFolder.Write("Stock/p.stk", "name P\nwheelbase 600\n[end]\n");
    SetModified(part, modified);
    EXPECT_EQ(Load(loco).wheelbase, 200);

    // Long settled, the file is kept; a change then shows in its identity.
    SetModified(part, {modified.tv_sec - 3600, 0});
    EXPECT_EQ(Load(loco).wheelbase, 200);
    programFolder.Write("Stock/p.stk", "name P\nwheelbase 900\n[end]\n");
    EXPECT_EQ(Load(loco).wheelbase, 300);
}

TEST_F(LoadRecordTest, AChangedIndexIsReadAnewToo) {
    programFolder.Write("Stock/a.stk", "name P\nwheelbase 300\n[end]\n");
    programFolder.Write("Stock/b.stk", "name P\nwheelbase 600\n[end]\n");
    WriteIndex({{"P", "Stock/a.stk"}});
    const std::string loco = "name L\ninclude 0 0 0 P\n[end]\n";
    EXPECT_EQ(Load(loco).wheelbase, 100);
    const timespec modified = ModifiedOf(programFolder / "Stock Index");
    WriteIndex({{"P", "Stock/b.stk"}});
    SetModified(programFolder / "Stock Index", modified);
    EXPECT_EQ(Load(loco).wheelbase, 200);
}

}  // namespace
}  // namespace lumtrak::model

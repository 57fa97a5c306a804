// The statements that name parts, and where the loader finds the part a
// statement names.
#include <gtest/gtest.h>

#include "parts/part_location.h"
#include "parts/part_statements.h"
#include "parts_package.h"

namespace lumtrak::parts {
namespace {

using model::Statement;

std::vector<std::string> NamesOf(std::string_view text) {
    std::vector<std::string> names;
    for (const auto& statement : PartStatementsIn(text))
        names.emplace_back(
            text.substr(statement.nameStart, statement.nameEnd - statement.nameStart));
    return names;
}

TEST(PartStatements, AreReadAsTheLoaderReadsThem) {
    const std::string text =
        "name A\n"
        "include 0 0 0 [Left] Bogie [Right]\n"
        "wheel 0 -35 18 -1 0   Axle  # a comment\n"
        "# include 0 0 0 Commented\n"
        "fill 0 0 0 1 0 0 1 1 0 0 1 0 1/1/1 # tilt 1 2 3 Trailing\n"
        "motion3 1 2 3 4 5 6 !Rod\n"
        "[end]\n"
        "# old [end] include 0 0 0 After\n"
        "INCLUDE 1.5 2 3 Split\n";
    EXPECT_EQ(NamesOf(text),
              (std::vector<std::string>{"Bogie", "Axle", "Trailing", "!Rod", "After", "3 Split"}));
    const auto statements = PartStatementsIn(text);
    ASSERT_EQ(statements.size(), 6u);
    EXPECT_EQ(statements[0].statement, Statement::Include);
    EXPECT_EQ(statements[0].start, text.find("include"));
    EXPECT_EQ(statements[1].statement, Statement::Wheel);
    EXPECT_EQ(statements[2].statement, Statement::Tilt);
    EXPECT_EQ(statements[3].statement, Statement::Motion3);
}

TEST(PartStatements, AValueThatRunsToTheEndLeavesAnEmptyNameAtTheEnd) {
    const std::string text = "include 0 0 \x10 Cl";
    const auto statements = PartStatementsIn(text);
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_EQ(statements[0].nameStart, text.size());
    EXPECT_EQ(statements[0].nameEnd, text.size());
}

TEST(PartStatements, TheOneUnderAPositionIsThatOfItsLineFromWordToName) {
    const std::string text = "name A\ninclude 0 0 0 Bogie\nfill 0\n[end]\nwheel 1 2 3 4 5 Axle";
    EXPECT_FALSE(PartStatementAt(text, 3).has_value());
    for (std::size_t pos : {text.find("include"), text.find(" 0 0"), text.find("Bogie") + 5}) {
        const auto statement = PartStatementAt(text, pos);
        ASSERT_TRUE(statement.has_value()) << pos;
        EXPECT_EQ(statement->nameStart, text.find("Bogie"));
    }
    EXPECT_FALSE(PartStatementAt(text, text.find("fill")).has_value());
    const auto wheel = PartStatementAt(text, text.size());
    ASSERT_TRUE(wheel.has_value());
    EXPECT_EQ(wheel->statement, Statement::Wheel);
    EXPECT_EQ(LookupName("!Class 40 BOGIE"), "class 40 bogie");
}

TEST(PartLocation, TheSameTextFirstThenTheFilesThatTheIndexNames) {
    PartsPackage package;
    platform::RecordingMessageSink messages;
    // Defined in the text: the text's own definition, though the index has one.
    const std::string text = "name X\ninclude 0 0 0 Axle\n[end]\nname axle\n[end]\n";
    const auto here = LocatePart("!AXLE", text, package.includes, messages);
    ASSERT_TRUE(here.has_value());
    EXPECT_EQ(here->path, "");
    EXPECT_EQ(here->line, 4u);
    EXPECT_EQ(here->lineStart, text.find("name axle"));

    const auto there = LocatePart("Bogie A", "name X\n", package.includes, messages);
    ASSERT_TRUE(there.has_value());
    EXPECT_EQ(there->path, Real(package.bogie));
    EXPECT_EQ(there->line, 1u);
    EXPECT_EQ(there->lineStart, 0u);

    EXPECT_FALSE(LocatePart("Nothing", text, package.includes, messages).has_value());
    EXPECT_FALSE(LocatePart("", text, package.includes, messages).has_value());
    EXPECT_TRUE(messages.messages.empty());

    // The file as it is now, not as it was first read.
    package.folder.Write("Stock/Parts/bogie.stk", "\n\n" + std::string(PartsPackage::kBogie));
    EXPECT_EQ(LocatePart("Bogie A", "", package.includes, messages)->line, 3u);
}

TEST(PartLocation, ANameLineWithATrailingBlankIsNeverFound) {
    // (The loader takes no name from the last four bytes of a text.)
    const std::string text = "name Bogie \n[end]\nname Bogie\n[end]\n";
    EXPECT_EQ(NameLineIn(text, "bogie"), text.rfind("name Bogie"));
    EXPECT_FALSE(NameLineIn(text, "wagon").has_value());
}

}  // namespace
}  // namespace lumtrak::parts

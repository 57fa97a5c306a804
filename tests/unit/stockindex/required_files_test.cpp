#include "stockindex/required_files.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace lumtrak::stockindex {
namespace {

class RequiredFilesTest : public ::testing::Test {
  protected:
    RequiredFilesTest() {
        program.Write("Stock Index",
                      "NODE\r\nParts\r\n"
                      "#Class 40 bogie\t/lt/Stock/Parts/parts.stk\r\n"
                      "Class 40 axle\t/lt/Stock/Parts/parts.stk\r\n"
                      "Buffer\tC:\\Lumtrak\\Stock\\buffer.stk  \r\n"
                      "Class 40\t/lt/Stock/Locomotives/c40.stk\r\n"
                      "Lamp\tlamp.stk\r\n"
                      "End NODE\r\n");
    }

    std::string Collect(std::string_view text, std::size_t caret = 0) {
        return CollectRequiredFiles(text, caret, program.Path().string());
    }

    testing::TempFolder program;
};

TEST_F(RequiredFilesTest, ListsQuotedBitmapsOnceEachAndTheirNamesIncludeBmp) {
    EXPECT_EQ(Collect("fill 0 0 0 \"side.BMP\" 1 1 1\n"
                      "fill 0 0 0 \"roof.bmp\" 1 1 1\nfill 0 0 0 \"side.BMP\" 1 1 1\n"),
              "\tside.BMP\r\n\troof.bmp\r\n");
    // The duplicate test is a search of the whole list: the tail of a name
    // already listed is not listed again.
    EXPECT_EQ(Collect("\"bigside.bmp\" \"side.bmp\""), "\tbigside.bmp\r\n");
    // Without a quote before (back to the definition's start) or after, the
    // occurrence is passed over.
    EXPECT_EQ(Collect("\"x\"\n[end]\nname Y\nfill side.bmp\" 1\n", 12), "");
    EXPECT_EQ(Collect("fill \"side.bmp 1 1 1\n"), "");
}

TEST_F(RequiredFilesTest, IncludesListTheFileThatTheIndexNamesWithoutItsFolder) {
    EXPECT_EQ(Collect("include 0 0 0 Class 40 bogie\ninclude 0 0 0 !class 40 AXLE\n"
                      "include 0/0/0 Buffer\n"),
              "parts.stk\r\nbuffer.stk\r\n");
    // A name that begins a longer indexed name takes the first line that starts
    // with it.
    EXPECT_EQ(Collect("include 0 0 0 Class 40\n"), "parts.stk\r\n");
    // An empty name takes the first line; a line without a folder keeps its tab.
    EXPECT_EQ(Collect("include 0 0 0 \n"), "NODE\r\n");
    EXPECT_EQ(Collect("include 0 0 0 Lamp\n"), "\tlamp.stk\r\n");
    // The name runs to the line end, trailing blanks and comments included.
    const auto startFolder = std::filesystem::current_path();
    EXPECT_EQ(Collect("include 0 0 0 Buffer  \ninclude 0 0 0 Lamps\n"), "");
    EXPECT_EQ(std::filesystem::current_path(), startFolder);  // the index is read where it is
}

TEST_F(RequiredFilesTest, OnlyTheDefinitionUnderTheCaretIsListed) {
    const std::string text =
        "name A\nfill \"a.bmp\"\ninclude 0 0 0 Buffer\n[end]\n"
        "name B\nfill \"b.bmp\"\ninclude 0 0 0 Class 40 axle\n[END]\nfill \"c.bmp\"\n";
    EXPECT_EQ(Collect(text, 3), "\ta.bmp\r\nbuffer.stk\r\n");
    EXPECT_EQ(Collect(text, text.find("name B") + 2), "\tb.bmp\r\nparts.stk\r\n");
    EXPECT_EQ(Collect(text, text.size() + 50), "\tc.bmp\r\n");
}

TEST_F(RequiredFilesTest, WithoutAnIndexOnlyBitmapsAreListed) {
    std::filesystem::remove(program.Path() / "Stock Index");
    EXPECT_EQ(Collect("include 0 0 0 Buffer\nfill \"a.bmp\""), "\ta.bmp\r\n");
    EXPECT_EQ(Collect("include"), "");
}

}  // namespace
}  // namespace lumtrak::stockindex

#include "platform/ini_text.h"

#include <gtest/gtest.h>

namespace lumtrak::platform {
namespace {

TEST(IniText, ValuesAreEscapedAsTheSettingsFilesWriteThem) {
    EXPECT_EQ(EscapedIniValue("/home/anna/Lumtrak/"), "/home/anna/Lumtrak/");
    EXPECT_EQ(EscapedIniValue("C:\\Sim \"2\""), "C:\\\\Sim \\\"2\\\"");
    // Quoted for ',', ';', '=' and blanks at either end.
    EXPECT_EQ(EscapedIniValue("a,b"), "\"a,b\"");
    EXPECT_EQ(EscapedIniValue("x=1;"), "\"x=1;\"");
    EXPECT_EQ(EscapedIniValue(" lead"), "\" lead\"");
    EXPECT_EQ(EscapedIniValue("tab\there\n"), "tab\\there\\n");
    // A control byte is a hex escape; a hex digit right after one is escaped too.
    EXPECT_EQ(EscapedIniValue("\x01"
                              "a\x02g"),
              "\\x1\\x61\\x2g");
    EXPECT_EQ(EscapedIniValue("@home"), "@@home");
    EXPECT_EQ(EscapedIniValue(std::string("a\0"
                                          "1",
                                          3)),
              "@String(a\\0\\x31)");
    EXPECT_EQ(EscapedIniValue("M\xC3\xBCnchen"), "M\xC3\xBCnchen");
}

TEST(IniText, EveryValueReadsBackAsWritten) {
    for (const std::string& value :
         {std::string("/a/b/"), std::string("a,b;c=d"), std::string("  both  "),
          std::string("quote \" back \\ slash"), std::string("@at"),
          std::string("\x01"
                      "f\x1f"),
          std::string("\r\n\t\v\a\b\f"), std::string(),
          std::string("a\0"
                      "b",
                      3),
          std::string("\xC3\xA9t\xC3\xA9")}) {
        const std::string text = SetIniValue("", "Paths", "Program", value);
        EXPECT_EQ(ReadIniValue(text, "Paths", "Program"), value) << text;
    }
}

TEST(IniText, AKeyIsRewrittenInPlaceAndEveryOtherByteKept) {
    const std::string text =
        "; settings\n[General]\nLanguage=de\n\n[Paths]\nStock=/old/Stock/\r\nProgram = \"/old, "
        "dir/\"\n\n[Window%20State]\nSize=@Size(10 20)\n";
    const std::string changed = SetIniValue(text, "Paths", "Program", "/new/");
    EXPECT_EQ(changed,
              "; settings\n[General]\nLanguage=de\n\n[Paths]\nStock=/old/Stock/\r\nProgram=/new/"
              "\n\n[Window%20State]\nSize=@Size(10 20)\n");
    EXPECT_EQ(ReadIniValue(changed, "Paths", "Stock"), "/old/Stock/");
    EXPECT_EQ(ReadIniValue(text, "Paths", "Program"), "/old, dir/");
    EXPECT_EQ(ReadIniValue(text, "", "Language"), "de");
    EXPECT_EQ(ReadIniValue(text, "Window State", "Size"), "@Size(10 20)");
    EXPECT_FALSE(ReadIniValue(text, "Paths", "Editor"));
    EXPECT_FALSE(ReadIniValue(text, "General", "Stock"));

    // A new key goes under the group's heading; a new group at the end.
    const std::string added = SetIniValue(text, "Paths", "Editor", "/e/");
    EXPECT_NE(added.find("[Paths]\nEditor=/e/\nStock="), std::string::npos);
    const std::string grouped = SetIniValue("a=1", "Paths", "Program", "/p/");
    EXPECT_EQ(grouped, "a=1\n\n[Paths]\nProgram=/p/\n");
    EXPECT_EQ(ReadIniValue(grouped, "", "a"), "1");
}

TEST(IniText, QuotesCommentsAndLinesCarriedOver) {
    const std::string text =
        "[Paths]\n;Program=/commented/\nProgram=\"a\nb\"\nStock=one\\\ntwo ; note\nList=a, b\n"
        "Editor=x\\\n";
    EXPECT_EQ(ReadIniValue(text, "Paths", "Program"), "a\nb");
    EXPECT_EQ(ReadIniValue(text, "Paths", "Stock"), "onetwo");
    EXPECT_FALSE(ReadIniValue(text, "Paths", "List"));  // a list, not one text
    EXPECT_EQ(ReadIniValue(text, "Paths", "Editor"), "x");
    // The value of the quoted, two-line key is replaced whole.
    const std::string changed = SetIniValue(text, "Paths", "Program", "c");
    EXPECT_EQ(ReadIniValue(changed, "Paths", "Program"), "c");
    EXPECT_EQ(ReadIniValue(changed, "Paths", "Stock"), "onetwo");
    EXPECT_EQ(changed.find("\nb\""), std::string::npos);
}

// Text that a new section must not join: an open quote or a backslash at the
// end would carry the last value on into it.
TEST(IniText, ANewSectionKeepsClearOfAValueLeftOpen) {
    for (const std::string& text :
         {std::string("a=1\n[X]\nb=\"open"), std::string("a=1\nb=x\\"), std::string("b=\"open")}) {
        const std::string changed = SetIniValue(text, "Paths", "Program", "/p/");
        EXPECT_EQ(ReadIniValue(changed, "Paths", "Program"), "/p/") << changed;
        EXPECT_EQ(ReadIniValue(changed, "", "a"), ReadIniValue(text, "", "a")) << changed;
        EXPECT_EQ(ReadIniValue(changed, "X", "b"), ReadIniValue(text, "X", "b")) << changed;
    }
    // A "[group]" line that ends in an escaped CR: the line end added after it
    // would make a CR LF pair that the escape takes, joining the new key to it.
    for (const std::string& text : {std::string("[Paths]\\\r"), std::string("[Paths]x\\\n")}) {
        const std::string changed = SetIniValue(text, "Paths", "Stock Editor", "/p/");
        EXPECT_EQ(ReadIniValue(changed, "Paths", "Stock Editor"), "/p/") << changed;
    }
    // Blanks that an escape gave are the value's own.
    EXPECT_EQ(ReadIniValue("[P]\nk=a\\t \n", "P", "k"), "a\t");
}

}  // namespace
}  // namespace lumtrak::platform

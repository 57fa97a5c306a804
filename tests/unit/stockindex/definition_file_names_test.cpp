#include "stockindex/definition_file_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace lumtrak::stockindex {

void PrintTo(const IndexedName& indexed, std::ostream* out) {
    *out << (indexed.marked ? "#" : "") << ::testing::PrintToString(indexed.name);
}

namespace {

using ::testing::ElementsAre;

std::vector<IndexedName> Names(std::string_view bytes) {
    return IndexedNames(bytes);
}

TEST(IndexedNames, TakeTheKeywordOnlyAsAWordOfItsOwn) {
    EXPECT_THAT(Names("rename X\nnames Y\nname_Z\n"), ElementsAre());
    EXPECT_THAT(Names("NAME First\r\n[end]\r\n\tName\tSecond\n[end]\n"),
                ElementsAre(IndexedName{"First", false}, IndexedName{"Second", false}));
    // Bytes from 0x80 up count as blanks around the keyword and before the name.
    EXPECT_THAT(Names("x\xA0name\xA0\xA0"
                      "Caf\xE9\n"),
                ElementsAre(IndexedName{"Caf\xE9", false}));
}

TEST(IndexedNames, ANameEndsAtALineEndACommentOrTheEndKeepingTrailingBlanks) {
    EXPECT_THAT(Names("name Class 47  // diesel\n"), ElementsAre(IndexedName{"Class 47  ", false}));
    EXPECT_THAT(Names("name Class 47 # diesel\n"), ElementsAre(IndexedName{"Class 47 ", false}));
    EXPECT_THAT(Names("name Half/Cab\rx"), ElementsAre(IndexedName{"Half/Cab", false}));
    EXPECT_THAT(Names("name Last"), ElementsAre(IndexedName{"Last", false}));
    // The first byte belongs to the name whatever it is.
    EXPECT_THAT(Names("name #x#y\n"), ElementsAre(IndexedName{"#x", false}));
    // The keyword at the very end names nothing, and still makes an entry.
    EXPECT_THAT(Names("name  \r\n"), ElementsAre(IndexedName{"", false}));
}

TEST(IndexedNames, HideOrComponentBeforeTheEndMarkTheDefinition) {
    EXPECT_THAT(Names("name A\nhide\n[end]\nname B\n[end]\nhide\n"),
                ElementsAre(IndexedName{"A", true}, IndexedName{"B", false}));
    EXPECT_THAT(Names("name Axle\nCOMPONENT\n[end]\n"), ElementsAre(IndexedName{"Axle", true}));
    // The search starts after the name: a name holding "hide" is not marked.
    EXPECT_THAT(Names("name Hidebound\n[end]\n"), ElementsAre(IndexedName{"Hidebound", false}));
    EXPECT_THAT(Names("name Open\n"), ElementsAre(IndexedName{"Open", false}));
    // A definition without its "[end]" takes the next one's mark, and the walk
    // goes on after that mark, passing over the next name.
    EXPECT_THAT(Names("name A\nname B\nhide\nname C\n[end]"),
                ElementsAre(IndexedName{"A", true}, IndexedName{"C", false}));
}

TEST(IndexDefinitionFile, WritesOneEntryPerNameOrShowsTheReadersMessage) {
    testing::TempFolder folder;
    const std::string path =
        folder.Write("parts.stk", "name Bogie\nhide\n[end]\nname Axle\n[end]\n");
    StringIndexWriter out;
    platform::RecordingMessageSink messages;
    IndexDefinitionFile(path, out, messages);
    EXPECT_EQ(out.text, "#Bogie\t" + path + "\r\nAxle\t" + path + "\r\n");

    const std::string empty = folder.Write("empty.stk", "");
    IndexDefinitionFile(empty, out, messages);
    IndexDefinitionFile(folder / "missing.stk", out, messages);
    EXPECT_EQ(out.text, "#Bogie\t" + path + "\r\nAxle\t" + path + "\r\n");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].caption, empty);
    EXPECT_EQ(messages.messages[1].text, "Can't open file");
}

}  // namespace
}  // namespace lumtrak::stockindex

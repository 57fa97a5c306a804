#include "preview3d/name_lookup.h"

#include <gtest/gtest.h>

namespace lumtrak::preview3d {
namespace {

using model::DefinitionText;

TEST(NameLookup, NamesAreFoundAtEveryPositionFirstInTheText) {
    const std::string text =
        "name Foo rename bar\nxx\nNAME  Loco \nname loco\n[end]\n#name\n lastname a\n.....";
    const DefinitionText bytes(text);
    const auto trimmed = FindDefinitionNames(bytes, true);
    EXPECT_EQ(trimmed.Find("foo rename bar"), text.find("\nxx"));
    EXPECT_EQ(trimmed.Find("bar"), text.find("\nxx"));  // the "name" inside "rename"
    EXPECT_EQ(trimmed.Find("loco"), text.find(" \nname loco") + 1);
    EXPECT_EQ(trimmed.Find("a"), text.find("\n....."));
    EXPECT_FALSE(trimmed.Find("foo"));
    EXPECT_FALSE(trimmed.Find("xx"));

    const auto kept = FindDefinitionNames(bytes, false);
    EXPECT_EQ(kept.Find("loco "), text.find(" \nname loco") + 1);
    EXPECT_EQ(kept.Find("loco"), text.find("\n[end]"));

    // A blank run after "name" reaches across lines.
    EXPECT_EQ(FindDefinitionNames(DefinitionText("name\n\nbogie\n......"), true).Find("bogie"),
              11u);
    EXPECT_FALSE(FindDefinitionNames(DefinitionText("name"), true).Find(""));
}

TEST(NameLookup, IndexKeysEndAtATabAfterBlanksAndOneHash) {
    const std::string index =
        "NODE\r\n\t#Bogie\tparts/b.stk\r\nBogie x.stk\r\na\tb\t  c.stk \r\n##two\tt.stk";
    const DefinitionText bytes(index);
    const auto keys = FindIndexKeys(bytes);
    ASSERT_TRUE(keys.Find("bogie"));
    EXPECT_EQ(IndexPathAt(bytes, *keys.Find("bogie")), "parts/b.stk");
    EXPECT_FALSE(keys.Find("bogie x.stk"));
    EXPECT_EQ(IndexPathAt(bytes, *keys.Find("a")), "b\t  c.stk ");
    EXPECT_EQ(IndexPathAt(bytes, *keys.Find("a\tb")), "c.stk ");
    EXPECT_EQ(IndexPathAt(bytes, *keys.Find("#two")), "t.stk");
    EXPECT_FALSE(keys.Find("node"));
}

}  // namespace
}  // namespace lumtrak::preview3d

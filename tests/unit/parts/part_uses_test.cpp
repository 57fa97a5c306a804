// Find Uses over a generated package, and the tree of parts that a load places.
#include <gtest/gtest.h>

#include "model/definition_loader.h"
#include "model/texture_registry.h"
#include "parts/part_tree.h"
#include "parts/part_uses.h"
#include "parts_package.h"

namespace lumtrak::parts {
namespace {

using model::Statement;

struct Where {
    std::string path;
    int openText;
    std::size_t line;
    std::size_t column;
    bool operator==(const Where&) const = default;
    friend void PrintTo(const Where& where, std::ostream* out) {
        *out << where.path << "[" << where.openText << "]:" << where.line << ":" << where.column;
    }
};

std::vector<Where> Places(const PartUses& found) {
    std::vector<Where> places;
    for (const PartUse& use : found.uses)
        places.push_back({use.path, use.openText, use.line, use.column});
    return places;
}

TEST(DefinedName, IsTheNameOfTheNameLineUnderThePosition) {
    const std::string text = "# x\n  NAME  Bogie A  \r\nnamed B\nname\n";
    EXPECT_EQ(DefinedNameAt(text, 0), "");
    EXPECT_EQ(DefinedNameAt(text, 6), "Bogie A");
    EXPECT_EQ(DefinedNameAt(text, text.find("named")), "");
    EXPECT_EQ(DefinedNameAt(text, text.size() - 1), "");
}

TEST(PartUses, AreFoundInTheStockTreesAndTheOpenTextsByFileAndLine) {
    PartsPackage package;
    const PartUses found = FindPartUses("bogie a", {}, package.Folder());
    // By path: "QZV/Stock" before "Stock".
    EXPECT_EQ(Places(found), (std::vector<Where>{
                                 {package.wagon, -1, 2, 14},
                                 {package.loco, -1, 3, 17},
                                 {package.loco, -1, 4, 24},
                             }));
    EXPECT_EQ(found.filesSearched, 5u);  // the ".stk" files of both trees
    EXPECT_EQ(found.uses[2].name, "!bogie a");
    EXPECT_EQ(found.uses[2].lineText, "include 0 450 0 [Left] !bogie a [Right]");
    EXPECT_EQ(found.uses[0].statement, Statement::Tilt);
    EXPECT_EQ(found.uses[0].offset, 25u);

    // An open file counts as it stands in the editor, in place of its file;
    // a text never saved counts too.
    const std::string edited = "name Loco\n\n\nwheel 0 0 0 1 2 Bogie A\n";
    const OpenText open[] = {{package.loco, edited}, {"", "include 1 2 3 BOGIE A"}};
    const PartUses withOpen = FindPartUses("Bogie A", open, package.Folder());
    EXPECT_EQ(Places(withOpen), (std::vector<Where>{
                                    {package.loco, 0, 4, 17},
                                    {"", 1, 1, 15},
                                    {package.wagon, -1, 2, 14},
                                }));
    EXPECT_EQ(withOpen.uses[0].statement, Statement::Wheel);
    // Each text once: the two open ones and the four files that are not open.
    EXPECT_EQ(withOpen.filesSearched, 6u);

    EXPECT_TRUE(FindPartUses("Axle B", {}, package.Folder()).uses.empty());
    EXPECT_EQ(FindPartUses("axle", {}, package.Folder()).uses.size(), 3u);
    EXPECT_TRUE(FindPartUses("", {}, package.Folder()).uses.empty());
}

TEST(PartUses, AnUnreadableFileIsNotedAndTheSearchGoesOn) {
    PartsPackage package;
    package.folder.Write("Stock/Parts/empty.stk", "");
    const PartUses found = FindPartUses("Axle", {}, package.Folder());
    EXPECT_EQ(found.uses.size(), 3u);
    ASSERT_EQ(found.notes.size(), 1u);
    EXPECT_NE(found.notes[0].find("empty.stk"), std::string::npos) << found.notes[0];
}

TEST(PartTree, IsTheLoadersTreeWithItsFilesAndLines) {
    PartsPackage package;
    platform::NullMessageSink messages;
    model::TextureRegistry textures;
    model::LoadEnvironment environment(messages, textures, package.includes);
    const std::string text = std::string(PartsPackage::kLoco) + "name Other\n";
    const PartTree tree = LoadPartTree(text, 20, environment);

    EXPECT_EQ(tree.name, "Loco");
    EXPECT_EQ(tree.definition.line, 1u);
    ASSERT_EQ(tree.parts.size(), 3u);
    const auto& bogie = tree.parts[0];
    EXPECT_EQ(bogie.name, "Bogie A");
    EXPECT_EQ(bogie.written.line, 3u);
    ASSERT_TRUE(bogie.definition.has_value());
    EXPECT_EQ(bogie.definition->path, Real(package.bogie));
    ASSERT_EQ(bogie.parts.size(), 2u);
    EXPECT_EQ(bogie.parts[1].statement, Statement::Wheel);
    EXPECT_EQ(bogie.parts[1].written.line, 4u);
    EXPECT_EQ(bogie.parts[1].definition->path, Real(package.axle));
    EXPECT_EQ(tree.parts[1].name, "!bogie a");
    EXPECT_EQ(tree.parts[1].parts.size(), 2u);
    // The moving part, which the 2D model leaves out, is followed into its own parts.
    const auto& rod = tree.parts[2];
    EXPECT_EQ(rod.statement, Statement::Motion1);
    EXPECT_EQ(rod.definition->path, Real(package.rod));
    ASSERT_EQ(rod.parts.size(), 1u);
    EXPECT_EQ(rod.parts[0].name, "Axle");

    std::vector<std::string> files = tree.files;
    std::sort(files.begin(), files.end());
    std::vector<std::string> expected = {Real(package.Folder() + "/Stock Index"),
                                         Real(package.bogie), Real(package.axle),
                                         Real(package.rod)};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(files, expected);
    EXPECT_EQ(environment.record, nullptr);

    // The second definition of the text has no parts.
    const PartTree other = LoadPartTree(text, text.size(), environment);
    EXPECT_EQ(other.name, "Other");
    EXPECT_EQ(other.definition.line, 6u);
    EXPECT_TRUE(other.parts.empty());
}

}  // namespace
}  // namespace lumtrak::parts

// What the text before the caret asks to complete, the candidates, and their order.
#include <gtest/gtest.h>

#include "parts/completion.h"
#include "parts/completion_context.h"
#include "parts_package.h"

namespace lumtrak::parts {
namespace {

CompletionContext At(std::string_view text) {
    return CompletionContextAt(text, text.size());
}

std::vector<std::string> Texts(const std::vector<CompletionCandidate>& candidates) {
    std::vector<std::string> texts;
    for (const auto& candidate : candidates)
        texts.push_back(candidate.text);
    return texts;
}

TEST(CompletionContext, APartsNameAfterTheStatementsValues) {
    const std::string before = "name X\r\n";
    auto context = At(before + "include 0 0 0 Cl");
    EXPECT_EQ(context.kind, CompletionKind::PartName);
    EXPECT_EQ(context.typed, "Cl");
    EXPECT_EQ(context.start, before.size() + 14);

    EXPECT_EQ(At("  wheel 0 -35 18 -1 0 Class 40 a").typed, "Class 40 a");
    EXPECT_EQ(At("TILT 0/150/0 ").kind, CompletionKind::PartName);
    EXPECT_EQ(At("TILT 0/150/0 ").typed, "");
    EXPECT_EQ(At("include 0 0 0 [Left] !bo").typed, "bo");
    EXPECT_EQ(At("motion2 1 2 3 4 5 6 R").typed, "R");
    EXPECT_EQ(At("motion1 1 2 3 [Left] R").kind, CompletionKind::PartName);
    EXPECT_EQ(At("motion1 1 2 3 [Left] R").typed, "[Left] R");

    // Not yet, or not a part's name.
    for (const char* line :
         {"include 0 0 ", "include 0 0 0", "include 0 0 x y", "wheel 0 0 0 Cl", "includes 0 0 0 Cl",
          "include 0 0 0 [Le", "include 0 0 0 Bo # c", "x include 0 0 0 Bo"}) {
        EXPECT_EQ(At(line).kind, CompletionKind::None) << line;
    }
}

TEST(CompletionContext, StatementWordsAtALineStartAndTexturesAfterAQuote) {
    auto word = At("fill 1\n  inc");
    EXPECT_EQ(word.kind, CompletionKind::StatementWord);
    EXPECT_EQ(word.typed, "inc");
    EXPECT_EQ(word.start, 9u);
    EXPECT_EQ(At("").kind, CompletionKind::StatementWord);
    EXPECT_EQ(At("x\r\n\t").typed, "");

    auto texture = At("fill 0 0 0 1 0 0 1 1 0 0 1 0 \"gri");
    EXPECT_EQ(texture.kind, CompletionKind::TextureName);
    EXPECT_EQ(texture.typed, "gri");
    EXPECT_EQ(At("fill \"a.bmp\" 1 1 1 ").kind, CompletionKind::None);
    // Only the text up to the caret counts.
    EXPECT_EQ(CompletionContextAt("include 0 0 0 Bogie", 16).typed, "Bo");
    EXPECT_EQ(CompletionContextAt("ab", 99).typed, "ab");
}

TEST(Completion, ClosenessOrdersTheCandidates) {
    EXPECT_EQ(Closeness("bogie", "BOGIE"), 0);
    EXPECT_EQ(Closeness("cl", "Class 40 bogie"), 1);
    EXPECT_EQ(Closeness("bog", "Class 40 bogie"), 2);
    EXPECT_EQ(Closeness("ogi", "Class 40 bogie"), 3);
    EXPECT_EQ(Closeness("c4b", "Class 40 bogie"), 4);
    EXPECT_EQ(Closeness("xyz", "Class 40 bogie"), -1);
    EXPECT_EQ(Closeness("", "anything"), 1);

    const auto ranked = RankCandidates("bo", {{"Class 40 bogie", "a.stk"},
                                              {"Robot", ""},
                                              {"bogie", "b.stk"},
                                              {"Bolster", ""},
                                              {"BOGIE", "c.stk"},
                                              {"Turbo", ""},
                                              {"b-o", ""},
                                              {"xyz", ""}});
    EXPECT_EQ(Texts(ranked), (std::vector<std::string>{"bogie", "Bolster", "Class 40 bogie",
                                                       "Robot", "Turbo", "b-o"}));
    EXPECT_EQ(ranked[0].detail, "b.stk");  // the first of the names that differ only in case
}

TEST(Completion, NamesComeFromTheTextThenTheIndexAsWritten) {
    PartsPackage package;
    const std::string text = "name Local Part  \nname   \n[end]\nrenamed x\n";
    const auto names = PartNameCandidates(text, "this text", package.Folder());
    ASSERT_GE(names.size(), 6u);
    EXPECT_EQ(names[0], (CompletionCandidate{"Local Part", "this text"}));
    const auto texts = Texts(names);
    for (const char* name : {"Loco", "Bogie A", "Axle", "Rod", "Wagon"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
    }
    // Hidden and component entries (marked in the index) are parts too.
    const auto bogie = std::find(texts.begin(), texts.end(), "Bogie A") - texts.begin();
    EXPECT_EQ(names[std::size_t(bogie)].detail, package.Folder() + "/Stock/Parts/bogie.stk");
    EXPECT_EQ(Texts(RankCandidates("cl 40", PartNameCandidates("", "", package.Folder()))),
              std::vector<std::string>{});
    EXPECT_EQ(Texts(RankCandidates("bo", PartNameCandidates("", "", package.Folder()))),
              std::vector<std::string>{"Bogie A"});
}

TEST(Completion, TexturesAreTheBitmapsOfTheFoldersAndWordsTheLoaders) {
    testing::TempFolder document;
    testing::TempFolder program;
    document.Write("own.bmp", "");
    document.Write("own.txt", "");
    program.Write("TEXTURES/Grille.BMP", "");
    program.Write("TEXTURES/own.bmp", "");
    std::filesystem::create_directory(program.Path() / "TEXTURES" / "folder.bmp");
    const auto folders = TextureFolders(document.Path().string(), program.Path().string());
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[1], (program.Path() / "TEXTURES").string());
    const auto textures = TextureFileCandidates(folders);
    EXPECT_EQ(Texts(textures), (std::vector<std::string>{"own.bmp", "Grille.BMP", "own.bmp"}));
    EXPECT_EQ(Texts(RankCandidates("", textures)),
              (std::vector<std::string>{"own.bmp", "Grille.BMP"}));

    const auto words = Texts(StatementWordCandidates());
    EXPECT_EQ(words.front(), "fill");
    for (const char* word : {"include", "tilt", "wheel", "motion3", "[end]", "name", "max"})
        EXPECT_NE(std::find(words.begin(), words.end(), word), words.end()) << word;
    for (const char* mark : {"#", "//", "{", "}"})
        EXPECT_EQ(std::find(words.begin(), words.end(), mark), words.end()) << mark;
    EXPECT_EQ(Texts(RankCandidates("whe", StatementWordCandidates())),
              (std::vector<std::string>{"wheel", "wheelbase"}));
}

}  // namespace
}  // namespace lumtrak::parts

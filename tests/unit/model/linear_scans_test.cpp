// The loader's scans that look back or ahead keep what they found, so that no
// text makes a load superlinear. Each is compared here with the plain scan it
// stands for, on generated texts rich in the bytes that the scans stop at.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/characters.h"
#include "model/colour_aliases.h"
#include "model/definition_loader.h"
#include "model/fill_tail_scans.h"
#include "model/name_directory.h"
#include "model/scanning.h"
#include "model/statement_words.h"
#include "model/substring_index.h"
#include "support/literal_scans.h"

namespace lumtrak::model {
namespace {

using testing::LiteralColourAt;
using testing::LiteralFindAlias;
using testing::LiteralLookAheadStop;
using testing::LiteralOnLaterLine;

std::string Generate(std::mt19937& random, std::string_view alphabet, std::size_t length) {
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < length; ++i)
        text += alphabet[pick(random)];
    return text;
}

TEST(LinearScans, TheLaterLineGuardAnswersAsTheBackwardScan) {
    std::mt19937 random(1);
    for (int round = 0; round < 200; ++round) {
        const std::string bytes = Generate(random, "cab\n\r#/ x", 1 + round % 60);
        const DefinitionText text(bytes);
        const Cursor start = round % 5;
        LaterLineGuard guard(text, start);
        for (Cursor pos = start; pos <= text.End() + 1; ++pos)
            ASSERT_EQ(guard.OnLaterLine(pos), LiteralOnLaterLine(text, pos, start)) << bytes;
        // Asked out of order, it starts again.
        ASSERT_EQ(guard.OnLaterLine(start + 1), LiteralOnLaterLine(text, start + 1, start));
    }
}

TEST(LinearScans, TheDefinitionStartAnswersAsTheBackwardScan) {
    std::mt19937 random(2);
    for (int round = 0; round < 200; ++round) {
        std::string bytes = Generate(random, "[eEnNdD]x", 1 + round % 80);
        for (std::size_t at = round % 7; at < bytes.size(); at += 9)
            bytes.replace(at, 1, round % 2 ? "[end]" : "[END]");
        const DefinitionText text(bytes);
        const NameDirectory names(text);
        for (Cursor pos = 0; pos <= text.End() + 1; ++pos)
            ASSERT_EQ(names.DefinitionStart(pos), FindDefinitionStart(text, pos)) << bytes;
    }
}

TEST(LinearScans, TheColourLookAheadAnswersAsTheForwardScan) {
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        const std::string bytes = Generate(random, "ab1/.,: \n\xE9", 1 + round % 60);
        const DefinitionText text(bytes);
        const ColourAliasList aliases;
        FillTailScans scans(text, aliases);
        for (Cursor pos = 0; pos <= text.End() + 1; ++pos)
            ASSERT_EQ(scans.ColourLookAheadStop(pos), LiteralLookAheadStop(text, pos)) << bytes;
    }
}

TEST(LinearScans, TheAliasSearchAnswersAsFindingTheCollectedToken) {
    std::mt19937 random(4);
    for (int round = 0; round < 300; ++round) {
        ColourAliasList aliases;
        for (int i = 0; i < round % 6; ++i)
            aliases.Append(Generate(random, "aAb.", 1 + i % 3), Generate(random, "1/2.a", 1 + i));
        const std::string bytes = Generate(random, ".aAb1/ ", 1 + round % 50);
        const DefinitionText text(bytes);
        FillTailScans scans(text, aliases);
        for (Cursor pos = 0; pos <= text.End() + 1; ++pos) {
            ASSERT_EQ(scans.FindAlias(pos), LiteralFindAlias(text, pos, aliases))
                << bytes << " in " << aliases.Text() << " at " << pos;
        }
        for (std::size_t found = 0; found < aliases.Text().size(); ++found)
            ASSERT_EQ(aliases.ColourAt(found), LiteralColourAt(aliases, found));
    }
}

TEST(LinearScans, TheSubstringIndexFindsWhatFindFinds) {
    std::mt19937 random(5);
    for (int round = 0; round < 100; ++round) {
        const std::string text = Generate(random, "ab.", 1 + round);
        SubstringIndex index;
        index.Append(text.substr(0, text.size() / 2));
        index.Append(text.substr(text.size() / 2));
        for (int query = 0; query < 50; ++query) {
            const std::string pattern = Generate(random, "ab.", 1 + query % 8);
            const std::size_t expected = text.find(pattern);
            ASSERT_EQ(index.FindFirst(pattern),
                      expected == std::string::npos ? SubstringIndex::kNone : expected)
                << pattern << " in " << text;
        }
    }
}

}  // namespace
}  // namespace lumtrak::model

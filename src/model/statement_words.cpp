#include "model/statement_words.h"

#include <array>
#include <vector>

#include "model/characters.h"

namespace lumtrak::model {
namespace {

struct Word {
    Statement statement;
    std::string_view text;
};

// The loader's order; every word that begins another comes after it.
constexpr Word kWords[] = {
    {Statement::Fill, "fill"},
    {Statement::Colour, "colour"},
    {Statement::Rect, "rect"},
    {Statement::Linear, "linear"},
    {Statement::Line, "line"},
    {Statement::Include, "include"},
    {Statement::Tilt, "tilt"},
    {Statement::Number, "number"},
    {Statement::Wheelbase, "wheelbase"},
    {Statement::Wheel, "wheel"},
    {Statement::Motion1, "motion1"},
    {Statement::Motion2, "motion2"},
    {Statement::Motion3, "motion3"},
    {Statement::End, "[end]"},
    {Statement::Comment, "#"},
    {Statement::Comment, "//"},
    {Statement::Name, "name"},
    {Statement::Cab2, "cab2"},
    {Statement::Cab, "cab"},
    {Statement::Unit, "unit"},
    {Statement::Metric, "metric"},
    {Statement::Imperial, "imperial"},
    {Statement::Hide, "hide"},
    {Statement::Component, "component"},
    {Statement::Description, "description"},
    {Statement::Sound, "sound"},
    {Statement::Te, "te"},
    {Statement::Power, "power"},
    {Statement::BrakeRate, "brakerate"},
    {Statement::Weight, "weight"},
    {Statement::Length, "length"},
    {Statement::Max, "max"},
    {Statement::OpenGroup, "{"},
    {Statement::CloseGroup, "}"},
};

// For each lower-cased first byte, the words that begin with it, in order.
using Dispatch = std::array<std::vector<Word>, 256>;

const Dispatch& WordsByFirstByte() {
    static const Dispatch table = [] {
        Dispatch byFirst;
        for (const Word& word : kWords) {
            byFirst[static_cast<unsigned char>(word.text.front())].push_back(word);
        }
        return byFirst;
    }();
    return table;
}

// "cab" and "cab2" count only on a line of their own text: going back, a line
// end comes before a comment start or the start of the definition.
bool OnLaterLine(const DefinitionText& text, Cursor pos, Cursor definitionStart) {
    for (Cursor back = pos; back > definitionStart;) {
        --back;
        const char c = text[back];
        if (IsLineEnd(c)) return true;
        if (c == '#' || (c == '/' && text[back + 1] == '/')) return false;
    }
    return false;
}

bool GuardHolds(Statement statement, const DefinitionText& text, Cursor pos,
                Cursor definitionStart) {
    switch (statement) {
        case Statement::Cab:
        case Statement::Cab2:
            return OnLaterLine(text, pos, definitionStart);
        case Statement::Length:
            return pos == definitionStart || IsAtOrBelowBlank(text[pos - 1]);
        default:
            return true;
    }
}

}  // namespace

std::string_view StatementWord(Statement statement) {
    for (const Word& word : kWords) {
        if (word.statement == statement) return word.text;
    }
    return {};
}

Statement MatchStatement(const DefinitionText& text, Cursor pos, Cursor definitionStart) {
    const auto first = static_cast<unsigned char>(ToLowerAscii(text[pos]));
    for (const Word& word : WordsByFirstByte()[first]) {
        if (StartsWithIgnoringCase(text, pos, word.text) &&
            GuardHolds(word.statement, text, pos, definitionStart)) {
            return word.statement;
        }
    }
    return Statement::None;
}

}  // namespace lumtrak::model

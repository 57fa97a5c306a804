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

}  // namespace

std::string_view StatementWord(Statement statement) {
    for (const Word& word : kWords) {
        if (word.statement == statement) return word.text;
    }
    return {};
}

Statement StatementWordAt(const DefinitionText& text, Cursor pos) {
    const auto first = static_cast<unsigned char>(ToLowerAscii(text[pos]));
    for (const Word& word : WordsByFirstByte()[first]) {
        if (StartsWithIgnoringCase(text, pos, word.text)) return word.statement;
    }
    return Statement::None;
}

void LaterLineGuard::ScanTo(Cursor pos) {
    if (pos < scannedTo_) {  // asked out of order: start again
        scannedTo_ = definitionStart_;
        lastMark_ = Mark::None;
    }
    for (; scannedTo_ < pos; ++scannedTo_) {
        const char c = text_[scannedTo_];
        if (IsLineEnd(c)) {
            lastMark_ = Mark::LineEnd;
        } else if (IsCommentStart(text_, scannedTo_)) {
            lastMark_ = Mark::CommentStart;
        }
    }
}

bool LaterLineGuard::OnLaterLine(Cursor pos) {
    ScanTo(pos);
    return lastMark_ == Mark::LineEnd;
}

bool LaterLineGuard::OnFirstLine(Cursor pos) {
    ScanTo(pos);
    return lastMark_ == Mark::None;
}

bool StatementMatcher::GuardHolds(Statement statement, Cursor pos) {
    switch (statement) {
        case Statement::Cab:
        case Statement::Cab2:
            // Only on a line of its own text, and not inside a comment.
            return laterLine_.OnLaterLine(pos);
        case Statement::Length:
            return pos == definitionStart_ || IsAtOrBelowBlank(text_[pos - 1]);
        default:
            return true;
    }
}

Statement StatementMatcher::Match(Cursor pos) {
    const auto first = static_cast<unsigned char>(ToLowerAscii(text_[pos]));
    for (const Word& word : WordsByFirstByte()[first]) {
        if (StartsWithIgnoringCase(text_, pos, word.text) && GuardHolds(word.statement, pos)) {
            return word.statement;
        }
    }
    return Statement::None;
}

bool StatementMatcher::CabOnFirstLine(Cursor pos) {
    return StartsWithIgnoringCase(text_, pos, StatementWord(Statement::Cab)) &&
           laterLine_.OnFirstLine(pos);
}

}  // namespace lumtrak::model

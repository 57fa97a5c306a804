#pragma once

#include <string_view>

#include "model/definition_text.h"

namespace lumtrak::model {

// The statement words of the model loader, in the order in which they are tried.
enum class Statement {
    None,
    Fill,
    Colour,
    Rect,
    Linear,
    Line,
    Include,
    Tilt,
    Number,
    Wheelbase,
    Wheel,
    Motion1,
    Motion2,
    Motion3,
    End,
    Comment,
    Name,
    Cab2,
    Cab,
    Unit,
    Metric,
    Imperial,
    Hide,
    Component,
    Description,
    Sound,
    Te,
    Power,
    BrakeRate,
    Weight,
    Length,
    Max,
    OpenGroup,
    CloseGroup,
};

// The written word of a statement ("#" stands for both comment starts).
std::string_view StatementWord(Statement statement);

// The first statement word, in the loader's order, that the text at pos begins
// with (any case), without the guards that the place of "cab", "cab2" and
// "length" puts on them; Statement::Comment for both comment starts.
Statement StatementWordAt(const DefinitionText& text, Cursor pos);

// Whether a position of a definition lies on a later line than its start: going
// back from it, a line end comes before a '#', a "//" or the definition's start.
// The last such mark is remembered, so that asking at increasing positions costs
// the length of the text in all, however many positions are asked about.
class LaterLineGuard {
  public:
    LaterLineGuard(const DefinitionText& text, Cursor definitionStart)
        : text_(text), definitionStart_(definitionStart), scannedTo_(definitionStart) {}

    bool OnLaterLine(Cursor pos);
    // Whether, going back from pos, the definition's start comes before any
    // line end, '#' or "//".
    bool OnFirstLine(Cursor pos);

  private:
    void ScanTo(Cursor pos);

    enum class Mark { None, LineEnd, CommentStart };

    const DefinitionText& text_;
    const Cursor definitionStart_;
    Cursor scannedTo_;            // the marks below this position are known
    Mark lastMark_ = Mark::None;  // the last of them
};

// Finds the statement words of one definition, read front to back.
class StatementMatcher {
  public:
    StatementMatcher(const DefinitionText& text, Cursor definitionStart)
        : text_(text), definitionStart_(definitionStart), laterLine_(text, definitionStart) {}

    // The first statement word, in the loader's order, that the text at pos
    // begins with (any case), with the guards of "cab2", "cab" and "length"
    // applied. Only the words that begin with the character at pos are tried.
    Statement Match(Cursor pos);

    // Whether a "cab" or "cab2" at pos counts for nothing because it stands on
    // the first line of the definition's text (not because it is in a comment).
    bool CabOnFirstLine(Cursor pos);

  private:
    bool GuardHolds(Statement statement, Cursor pos);

    const DefinitionText& text_;
    const Cursor definitionStart_;
    LaterLineGuard laterLine_;
};

}  // namespace lumtrak::model

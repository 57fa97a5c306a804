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
// with (any case), with the guards of "cab2", "cab" and "length" applied against
// the start of the definition being read. Only the words that begin with the
// character at pos are tried.
Statement MatchStatement(const DefinitionText& text, Cursor pos, Cursor definitionStart);

}  // namespace lumtrak::model

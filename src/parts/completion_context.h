#pragma once

#include <string>
#include <string_view>

#include "model/definition_text.h"

namespace lumtrak::parts {

// What the text before the caret asks to be completed.
enum class CompletionKind {
    None,
    StatementWord,  // a word at the start of a line
    PartName,       // the name of an "include", "tilt", "wheel" or motion, after its values
    TextureName,    // a texture file's name after an opening '"'
};

struct CompletionContext {
    CompletionKind kind = CompletionKind::None;
    model::Cursor start = 0;  // where what was typed starts; a completion replaces it
    std::string typed;        // the bytes from start up to the caret
};

// The completion that the line up to the caret asks for. A part's name counts
// once the statement's values stand complete before it, read as the loader
// reads them (a side tag and a '!' before the name are passed over); a
// texture's name while the line holds an odd number of '"'.
CompletionContext CompletionContextAt(std::string_view text, model::Cursor caret);

}  // namespace lumtrak::parts

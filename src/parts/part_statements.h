#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/definition_text.h"
#include "model/part_statement.h"

namespace lumtrak::parts {

// One definition of a text as the loader reads it by itself, its includes not
// followed: its "name" and the statements that name parts, in text order.
struct DefinitionOutline {
    std::string name;  // the loader's last "name" text, as written
    std::vector<model::PartStatementRead> parts;
};

// Reads the definition that starts at start, up to the first "[end]" after it
// (any case, also inside a comment) or the end of the text.
DefinitionOutline OutlineDefinition(std::string_view text, model::Cursor start);

// The statements that name parts in a whole text: each definition read from
// its start (the start of the text, and just after each "[end]") as
// OutlineDefinition reads it, so each byte is read once. In text order.
std::vector<model::PartStatementRead> PartStatementsIn(std::string_view text);

// Those of PartStatementsIn whose name stands on a line that holds one of the
// positions (ascending): a statement's word and name share its line, so each
// definition is read only up to the end of the last such line in it, and a
// definition without one not at all.
std::vector<model::PartStatementRead> PartStatementsOnLines(
    std::string_view text, std::span<const model::Cursor> positions);

// The statement of the definition holding pos whose word, name or the text
// between them holds pos (its name's end included); none when pos lies on
// no such statement.
std::optional<model::PartStatementRead> PartStatementAt(std::string_view text, model::Cursor pos);

// The name of a part statement as an include looks it up: without its leading
// '!' (which turns the part round), lower-cased.
std::string LookupName(std::string_view writtenName);

}  // namespace lumtrak::parts

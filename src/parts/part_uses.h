#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/definition_text.h"
#include "model/statement_words.h"

namespace lumtrak::parts {

// A text open in the editor: its file (empty for one never saved) and its
// bytes as they stand, which count in place of the file's.
struct OpenText {
    std::string path;
    std::string_view text;
};

// A statement that names the part searched for.
struct PartUse {
    std::string path;   // the file; empty for an open text never saved
    int openText = -1;  // the index of the open text it stands in, or -1
    model::Statement statement = model::Statement::None;
    std::string name;          // as written, with a leading '!'
    model::Cursor offset = 0;  // of the name
    std::size_t line = 0;      // from 1
    std::size_t column = 0;    // from 1, in bytes
    std::string lineText;      // the whole line, without its line end
};

struct PartUses {
    std::vector<PartUse> uses;      // the open texts first, then by path and place
    std::size_t filesSearched = 0;  // the open texts and the other files, each once
    // What the walk passed over, and the files it could not read.
    std::vector<std::string> notes;
};

// The name that the "name" statement on the line holding pos gives its
// definition, trailing blanks removed; empty when that line does not start
// (after blanks) with the word "name".
std::string DefinedNameAt(std::string_view text, model::Cursor pos);

// Every statement ("include", "tilt", "wheel", "motion1" to "motion3") that
// names the part called name (any case; a leading '!' of a statement does not
// count) in the open texts and in the definition files of the stock folder
// trees of programFolder, walked and read as the index rebuild walks and reads
// them. A file that is open is searched as it stands in the editor.
PartUses FindPartUses(std::string_view name, std::span<const OpenText> open,
                      const std::string& programFolder);

}  // namespace lumtrak::parts

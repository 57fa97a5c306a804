#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/definition_text.h"
#include "model/load_environment.h"
#include "model/side_mask.h"
#include "model/stock_model.h"

namespace lumtrak::model {

class NameDirectory;
struct IncludeFile;

// A text that definitions are loaded from, with what includes need to search it.
struct SourceText {
    SourceText(DefinitionText bytes, std::string sourceKey, const NameDirectory* known = nullptr,
               std::string realPath = {})
        : text(bytes), key(std::move(sourceKey)), names(known), path(std::move(realPath)) {}

    DefinitionText text;
    std::string key;
    const NameDirectory* names = nullptr;
    // The file's real path; empty for the text that the load started from.
    std::string path;

    // The names the text defines, made on the first include that needs them.
    const NameDirectory& Names();

  private:
    std::shared_ptr<const NameDirectory> ownedNames_;
};

// Where the definition under pos starts: just after the nearest "[end]" (any
// case) at or before pos, or at the start of the text.
Cursor FindDefinitionStart(const DefinitionText& text, Cursor pos);

// Reads one definition from cursor (advanced in place) into model. sides is the
// default side mask of its panels and includes; the lines of highlight, if
// given, are drawn magenta; the offsets are in model units; a turned definition
// has its across and along values negated and its side masks exchanged.
void LoadDefinition(StockModel& model, const DefinitionText& text, Cursor& cursor,
                    const SideMask& sides, std::optional<TextSelection> highlight,
                    std::int32_t offX, std::int32_t offY, std::int32_t offZ, bool turned,
                    LoadEnvironment& environment);

// Where an include finds a definition: in the same text (no file) or in a file
// that the "Stock Index" names (as indexedPath); reading starts just after its
// name's text.
struct FoundDefinition {
    std::shared_ptr<const IncludeFile> file;
    Cursor start = 0;
    std::string indexedPath;
};

// Finds the definition called lowerName (lower-cased, without a leading '!')
// as an include of a definition in source finds it: in the same text first,
// then in the files that the "Stock Index" of the program folder names for it,
// in turn. A file too large for the load's budget spends the budget and ends
// the search. When nothing is found, whyNot (if given) tells why.
std::optional<FoundDefinition> FindIncludedDefinition(std::string_view lowerName,
                                                      SourceText& source,
                                                      LoadEnvironment& environment,
                                                      IncludeOutcome* whyNot = nullptr);

// The same, from a text whose names are kept between loads.
void LoadDefinition(StockModel& model, SourceText& source, Cursor& cursor, const SideMask& sides,
                    std::optional<TextSelection> highlight, std::int32_t offX, std::int32_t offY,
                    std::int32_t offZ, bool turned, LoadEnvironment& environment);

// A text held in memory (an edit buffer) as a source of definitions.
SourceText MemorySource(const DefinitionText& text);

// Finds the definition called name, first in the same text and then through the
// "Stock Index" in the program folder, and loads it into model; gives what
// became of it.
IncludeOutcome ResolveInclude(StockModel& model, std::string_view name, std::int32_t offX,
                              std::int32_t offY, std::int32_t offZ, SourceText& source,
                              const SideMask& sides, bool turned, LoadEnvironment& environment);

// The model of the definition under the selection start, as the previews load
// it: from FindDefinitionStart, with all sides visible and the selection as the
// highlight when highlight is set.
void LoadDefinitionAt(StockModel& model, const DefinitionText& text, TextSelection selection,
                      bool highlight, LoadEnvironment& environment);

}  // namespace lumtrak::model

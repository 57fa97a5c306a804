#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/definition_text.h"

namespace lumtrak::model {

// Where an include finds a definition by name in a text. The search walks the
// text for the word "name" (any case, also inside other words), takes the rest of
// its line after the blanks as the candidate, and continues after the candidate;
// the first candidate equal to the wanted lower-cased name wins. The walk does not
// depend on the wanted name, so it is made once per text and kept here.
class NameDirectory {
  public:
    explicit NameDirectory(const DefinitionText& text);

    // The position just after the first candidate equal to lowerName.
    std::optional<Cursor> Find(std::string_view lowerName) const;

    // Where the definition holding pos starts, as FindDefinitionStart gives it
    // (just after the nearest "[end]" at or before pos), without going back over
    // the text: includes ask this for every part they find.
    Cursor DefinitionStart(Cursor pos) const;

  private:
    std::unordered_map<std::string, Cursor> firstByCandidate_;
    std::vector<Cursor> ends_;  // the positions of "[end]", any case, after the first byte
};

}  // namespace lumtrak::model

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/definition_text.h"

// How the scene finds an included definition by name: in a text, where the
// word "name" stands (any case, at every position, also inside other words),
// and in the "Stock Index", on which line the name stands followed by a tab.
// Each text is walked once; a name is then found in time proportional to the
// name, however many includes ask.
namespace lumtrak::preview3d {

// Ranges of a text (compared lower-cased) and, for each, a position to give
// back. Ranges are found by hash; the hash of every range is had in one pass
// over the text, although ranges that share a line overlap.
class CandidateRanges {
  public:
    // The position given back with the first range in the text whose bytes
    // equal lowerWanted.
    std::optional<model::Cursor> Find(std::string_view lowerWanted) const;

    // Ranges that all end at `end`, with their starts in any order.
    struct Range {
        model::Cursor start = 0;
        model::Cursor result = 0;
    };
    void AddEndingAt(const model::DefinitionText& text, model::Cursor end,
                     std::vector<Range> ranges);
    // Ranges that all start at `start` and end where the given ends say.
    void AddStartingAt(const model::DefinitionText& text, model::Cursor start,
                       const std::vector<model::Cursor>& ends);

  private:
    struct Entry {
        model::Cursor start = 0;
        std::size_t length = 0;
        model::Cursor result = 0;
    };
    void Add(std::uint64_t hash, Entry entry);

    model::DefinitionText text_;  // a view of the text, which must outlive this
    std::unordered_map<std::uint64_t, std::vector<Entry>> byHash_;
};

// The names a text defines: for every "name" before end - 5, the rest of its
// line after the blanks, lower-cased, with trailing blanks removed when
// trimmed; found, it gives the position just after the name's line text.
CandidateRanges FindDefinitionNames(const model::DefinitionText& text, bool trimmed);

// The keys of a "Stock Index": on each line, after blanks and one '#', every
// text that a tab ends; found, it gives the position just after that tab.
CandidateRanges FindIndexKeys(const model::DefinitionText& index);

// The path of an index line: after the key's tab and blanks, up to the line end.
std::string_view IndexPathAt(const model::DefinitionText& index, model::Cursor afterTab);

}  // namespace lumtrak::preview3d

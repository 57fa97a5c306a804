#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/substring_index.h"

namespace lumtrak::model {

// The "colour" aliases of one definition: ".name.value" for each, in the order
// of the statements, names lower-cased and values as written. A fill refers to
// an alias by text: the list is searched for the reference, and the colour is
// read from the value after the name that follows the found position. Both are
// kept for the text as it stands, so that no number of references costs more
// than the list once.
class ColourAliasList {
  public:
    void Append(std::string_view name, std::string_view value);

    const std::string& Text() const { return text_; }
    const SubstringIndex& Index() const { return index_; }

    // The colour read from the list at a position the search found: one field
    // on (over the alias name), then r, g and b.
    std::uint32_t ColourAt(std::size_t found) const;

  private:
    std::string text_;
    SubstringIndex index_;
    mutable std::unordered_map<std::size_t, std::uint32_t> colourAt_;
};

}  // namespace lumtrak::model

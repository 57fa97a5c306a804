#include "model/colour_aliases.h"

#include "model/characters.h"
#include "model/definition_text.h"
#include "model/scanning.h"

namespace lumtrak::model {

void ColourAliasList::Append(std::string_view name, std::string_view value) {
    const std::size_t from = text_.size();
    text_ += '.';
    text_ += ToLowerAscii(std::string(name));
    text_ += '.';
    text_ += value;
    index_.Append(std::string_view(text_).substr(from));
    colourAt_.clear();  // the text after a position may have grown
}

std::uint32_t ColourAliasList::ColourAt(std::size_t found) const {
    if (auto known = colourAt_.find(found); known != colourAt_.end()) return known->second;
    const DefinitionText list(text_);
    Cursor cursor = found + 1;
    SkipField(list, cursor);
    const std::uint32_t colour = ReadColour(list, cursor);
    colourAt_.emplace(found, colour);
    return colour;
}

}  // namespace lumtrak::model

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/definition_text.h"
#include "model/load_environment.h"
#include "model/load_record.h"

namespace lumtrak::parts {

// The tree of parts of the definition under a position, as the loader places
// them: the parts that each definition names, where each was found, and the
// files that the load read.
struct PartTree {
    std::string name;                    // the definition's own, as written
    model::TextPlace definition;         // its start, in the loaded text (path empty)
    std::vector<model::PartNode> parts;  // in text order
    std::vector<std::string> files;      // read by the load, besides the text
    std::vector<std::string> notes;      // the load's notes
};

// Loads the definition under pos as the 2D preview does, its moving parts
// ("motion" statements, which the model does not place) followed too, and
// gives its tree. The load's messages go where environment sends them; the
// environment's record is its own for the call.
PartTree LoadPartTree(std::string_view text, model::Cursor pos,
                      model::LoadEnvironment& environment);

}  // namespace lumtrak::parts

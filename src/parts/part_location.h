#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/definition_text.h"
#include "model/include_cache.h"
#include "platform/message_sink.h"

namespace lumtrak::parts {

// Where a definition stands: its file (the real path; empty for the text that
// was searched first), and the start and number (from 1) of the line that
// holds its "name" text.
struct PartLocation {
    std::string path;
    model::Cursor lineStart = 0;
    std::size_t line = 0;
};

// The definition that an include of writtenName (as written: a leading '!'
// does not count) in text would load: in text first, then in the files that
// the "Stock Index" of the program folder names, read through includes (so a
// file changed on disk is read anew). None when the loader finds none. A file
// that cannot be read shows the mapped-file reader's messages.
std::optional<PartLocation> LocatePart(std::string_view writtenName, std::string_view text,
                                       model::IncludeCache& includes,
                                       platform::MessageSink& messages);

// Where the line that holds the "name" text of the definition called
// lowerName starts in text, as an include in text finds it; none when text
// defines no such name.
std::optional<model::Cursor> NameLineIn(std::string_view text, std::string_view lowerName);

}  // namespace lumtrak::parts

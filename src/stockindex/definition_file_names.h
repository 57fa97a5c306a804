#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

// A stock name as the rebuild indexes it.
struct IndexedName {
    std::string name;     // as written, trailing blanks included
    bool marked = false;  // "hide" or "component" before the definition's "[end]"
    bool operator==(const IndexedName&) const = default;
};

// The names that the rebuild indexes in one definition file, in file order. A
// "name" keyword counts only as a word of its own (after the start or a byte not
// above blank, and before a byte not above blank); the name runs from the first
// byte above blank after it up to a line end, "//" or '#'.
std::vector<IndexedName> IndexedNames(std::string_view bytes);

// Writes one entry line with path for each name indexed in bytes.
void WriteEntries(std::string_view bytes, std::string_view path, IndexWriter& out);

// Opens the file at path through the mapped-file reader and writes one entry
// line with that path for each indexed name. A file that cannot be opened or
// mapped gets none, after the mapped-file reader's message.
void IndexDefinitionFile(const std::string& path, IndexWriter& out,
                         platform::MessageSink& messages);

}  // namespace lumtrak::stockindex

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

// What an update puts on top of the index for one document.
struct UpdateBlock {
    // "#####", "NODE", "Update", one entry per name, "End NODE", "#####".
    std::string lines;
    // The document's names, in order.
    std::vector<std::string> names;
    // "<" name ">" for every name: an entry whose name stands in it goes.
    std::string nameList;
};

// The update's names: wherever "name" stands in any case (also inside a longer
// word), the name runs from the first byte above blank after it (line ends are
// skipped too) up to a line end, '#' or the end of the document, trailing
// blanks and "//" comments included. Each becomes an entry with documentPath,
// which is empty for a document never saved.
UpdateBlock MakeUpdateBlock(std::string_view document, std::string_view documentPath);

// Copies a previous index after the update block: line by line in 249-character
// pieces (a longer line is split, each piece written as a line), every line end
// written as CR LF and a last line without one given one, without the blocks
// between "#####" lines, and without the entries whose name (after one leading
// '#') stands in nameList as "<name>". Lines without a tab are never taken for
// entries.
void CopyPreviousIndex(std::string_view previous, std::string_view nameList, IndexWriter& out);

// Puts the definitions of document at the top of programFolder's "Stock Index"
// in a group named "Update" and removes their older entries and every earlier
// update block. An index that cannot be read counts as empty. The new index is
// written beside the old one and renamed over it; when that fails, the old one
// stays and "Can't write file" is shown. Shows the wait cursor while it runs.
// Gives whether the index was written; an index written over in place, its
// folder taking no new file, is told of in notes.
bool UpdateStockIndex(std::string_view document, std::string_view documentPath,
                      const std::string& programFolder, platform::MessageSink& messages,
                      platform::StatusSink& status, std::vector<std::string>& notes);

}  // namespace lumtrak::stockindex

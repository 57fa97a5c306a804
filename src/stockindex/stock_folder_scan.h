#pragma once

#include <string>
#include <vector>

#include "platform/file_lookup.h"
#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

// The rebuild's walk over one stock folder tree, writing its groups and entries.
class StockFolderScan {
  public:
    StockFolderScan(IndexWriter& out, platform::MessageSink& messages,
                    platform::StatusSink& status);

    // Writes the layout of folder, which becomes the current folder (a folder
    // that cannot be entered is passed over silently) and whose path is shown
    // as the status. A sub-folder gets "NODE" and its own name, then its
    // sub-folders' layouts in name order (those whose name begins with '.' are
    // passed over), then the entries of its ".stk" files in name order (hidden
    // ones, whose name begins with '.', are passed over), then "End NODE". A
    // tree folder (isTree) writes no "NODE" lines of its own. A folder without
    // any ".stk" file writes a single "End NODE" in place of its entries, so a
    // tree folder without one ends with an unmatched "End NODE". The current
    // folder is left at the last folder entered.
    void ScanStockFolder(const std::string& folder, bool isTree);

  private:
    IndexWriter& out_;
    platform::MessageSink& messages_;
    platform::StatusSink& status_;
    // The folders being scanned, outermost first: a link back to one of them
    // is passed over instead of being followed round for ever.
    std::vector<platform::FileIdentity> open_;
};

}  // namespace lumtrak::stockindex

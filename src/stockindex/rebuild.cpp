#include "stockindex/rebuild.h"

#include "stockindex/index_file.h"
#include "stockindex/stock_folder_scan.h"

namespace lumtrak::stockindex {

bool RebuildStockIndex(const std::string& programFolder, platform::MessageSink& messages,
                       platform::StatusSink& status, std::vector<std::string>& notes) {
    NewIndexFile index(AbsoluteProgramFolder(programFolder), messages);
    if (!index.Created()) return false;
    platform::BusyScope busy(status);

    IndexLayout layout(index.Writer());
    WalkStockTrees(programFolder, layout, messages, status, notes);
    if (!index.Commit(notes)) return false;
    status.ShowStatus(kRebuildComplete);
    return true;
}

}  // namespace lumtrak::stockindex

#pragma once

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "platform/status_sink.h"

namespace lumtrak::stockindex {

// The status text that ends a rebuild.
inline constexpr std::string_view kRebuildComplete = "Stock Index complete";
// Writes the "Stock Index" of programFolder anew from its stock folder trees,
// "Stock" and then "QZV/Stock" (names found in any case; a missing tree is
// passed over), with entry paths that join the program folder's absolute path
// and the names below it with '/'. The new index is written to a temporary
// file beside the old one and renamed over it when complete. Shows the wait
// cursor, the path of each folder scanned and "Stock Index complete" at the
// end. When the new index cannot be written the old one stays as it was and
// "Can't write file" is shown. Gives whether the index was written. What the
// walk passed over (links out of the program folder or into a folder walked
// already, names that no index line can hold) is appended to notes.
bool RebuildStockIndex(const std::string& programFolder, platform::MessageSink& messages,
                       platform::StatusSink& status, std::vector<std::string>& notes);

}  // namespace lumtrak::stockindex

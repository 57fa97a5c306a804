#pragma once

#include <string>

namespace lumtrak::diagnostics {

// Whether the "Stock Index" of the program folder has an entry for the file at
// path: one whose path (a relative one taken in the program folder) is the
// same path, or leads to the same file.
bool IndexListsFile(const std::string& programFolder, const std::string& path);

}  // namespace lumtrak::diagnostics

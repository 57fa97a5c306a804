#pragma once

#include <string>
#include <vector>

namespace lumtrak::diagnostics {

// Every definition file (".stk", ".stc" and ".sig", in any case) in the stock
// folder trees of the program folder, "Stock" and then "QZV/Stock" (found in
// any case), each tree in name order, as paths that join programFolder with
// the names below it. Hidden files and folders (their name beginning with
// '.') are passed over, and every folder is walked once however many links
// lead to it.
std::vector<std::string> PackageDefinitionFiles(const std::string& programFolder);

}  // namespace lumtrak::diagnostics

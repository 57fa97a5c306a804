#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lumtrak::testing {

// A "Stock Index" of name/path entry lines, with the CR LF line ends of the
// file on disk.
inline std::string StockIndexText(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string index;
    for (const auto& [name, path] : entries)
        index += name + "\t" + path + "\r\n";
    return index;
}

}  // namespace lumtrak::testing

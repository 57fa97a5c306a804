#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumtrak::stockindex {

// The entries of a "Stock Index" by name, for the include lookup: read as
// ReadIndexEntries reads them (text mode, 249-character pieces, one leading
// '#' dropped, the key up to the first tab and the path after it).
class StockIndex {
  public:
    static StockIndex Parse(std::string_view content);

    // The paths of the entries whose name equals lowerName without regard to
    // case, in file order; backslashes in them are read as '/'.
    const std::vector<std::string>& PathsFor(std::string_view lowerName) const;

  private:
    std::unordered_map<std::string, std::vector<std::string>> pathsByKey_;
};

}  // namespace lumtrak::stockindex

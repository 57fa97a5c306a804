#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumtrak::model {

// The lines of a "Stock Index" as the include lookup reads them: line by line in
// text mode, at most 249 characters at a time (a longer line is handled as
// several), one leading '#' dropped, the key up to the first tab and the path
// after it. Lines without a tab are passed over.
class StockIndex {
  public:
    static StockIndex Parse(std::string_view content);

    // The paths of the lines whose key equals lowerName without regard to case,
    // in file order; backslashes in them are read as '/'.
    const std::vector<std::string>& PathsFor(std::string_view lowerName) const;

  private:
    std::unordered_map<std::string, std::vector<std::string>> pathsByKey_;
};

}  // namespace lumtrak::model

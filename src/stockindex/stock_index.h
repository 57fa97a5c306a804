#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/include_cache.h"
#include "model/part_index.h"

namespace lumtrak::stockindex {

// The entries of a "Stock Index" by name, for the include lookup: read as
// ReadIndexEntries reads them (text mode, 249-character pieces, one leading
// '#' dropped, the key up to the first tab and the path after it).
class StockIndex final : public model::PartIndex {
  public:
    static StockIndex Parse(std::string_view content);

    // The paths of the entries whose name equals lowerName without regard to
    // case, in file order; backslashes in them are read as '/'.
    const std::vector<std::string>& PathsFor(std::string_view lowerName) const override;

  private:
    std::unordered_map<std::string, std::vector<std::string>> pathsByKey_;
};

// The part index of the loader, read from a "Stock Index": the reader that an
// include cache is made with.
std::unique_ptr<const model::PartIndex> ReadPartIndex(std::string_view content);

// The include cache of the running program.
model::IncludeCache& ProcessIncludeCache();

}  // namespace lumtrak::stockindex

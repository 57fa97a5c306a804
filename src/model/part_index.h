#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::model {

// Where the loader finds a part that a text includes but does not define: the
// files that may define each name. The loader knows no index file; the
// program's index is the "Stock Index", which stockindex reads into one.
class PartIndex {
  public:
    virtual ~PartIndex() = default;

    // The paths of the files that may define the part named lowerName, in the
    // order they are tried.
    virtual const std::vector<std::string>& PathsFor(std::string_view lowerName) const = 0;
};

// Reads the content of an index file into a part index.
using PartIndexReader = std::function<std::unique_ptr<const PartIndex>(std::string_view content)>;

}  // namespace lumtrak::model

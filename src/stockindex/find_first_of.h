#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "stockindex/byte_pair_scan.h"

namespace lumtrak::stockindex {

// The rebuild's search for the first occurrence of one of up to three patterns,
// compared without regard to case; an empty pattern never matches. Each pattern
// keeps a position inside it that a matching byte advances and any other byte
// puts back to the pattern's start, without trying that byte again as a new
// start: "nname" holds no "name". Finds where the first pattern to complete
// starts (s1 before s2 before s3 on the same byte), or gives bytes.size().
// Built once and used for many searches, as the rebuild does for every file.
class PatternSearch {
  public:
    explicit PatternSearch(std::string_view s1, std::string_view s2 = {}, std::string_view s3 = {});

    std::size_t FindIn(std::string_view bytes, std::size_t from) const;

  private:
    std::size_t StartBeforePair(std::string_view bytes, std::size_t from) const;

    std::array<std::string, 3> patterns_;  // in lower case, the empty ones left out
    std::size_t used_ = 0;
    // Where a pattern can start: the first two bytes of each, when every
    // pattern has two; none when one has fewer, and the search goes byte by byte.
    BytePairs pairs_;
};

// One search with a PatternSearch made for it.
std::size_t FindFirstOf(std::string_view bytes, std::size_t from, std::string_view s1,
                        std::string_view s2 = {}, std::string_view s3 = {});

}  // namespace lumtrak::stockindex

#pragma once

#include <cstddef>
#include <string_view>

namespace lumtrak::stockindex {

// The rebuild's search for the first occurrence of one of up to three patterns,
// compared without regard to case; an empty pattern never matches. Each pattern
// keeps a position inside it that a matching byte advances and any other byte
// puts back to the pattern's start, without trying that byte again as a new
// start: "nname" holds no "name". Gives the position where the first pattern to
// complete starts (s1 before s2 before s3 on the same byte), or bytes.size().
std::size_t FindFirstOf(std::string_view bytes, std::size_t from, std::string_view s1,
                        std::string_view s2 = {}, std::string_view s3 = {});

}  // namespace lumtrak::stockindex

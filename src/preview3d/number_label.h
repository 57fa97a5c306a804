#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumtrak::preview3d {

// The label text of "number n f": the word f used as a format for the one
// integer n. A word holding exactly one integer conversion (%d %i %u %x %X %o
// %c, with flags, width and precision; "%%" stands for a percent sign) gives
// the formatted text, cut at a zero byte as a C string would be; any other
// word, which would ask for a value that is not there, is shown as written.
std::string FormatNumberLabel(std::string_view format, std::int32_t number);

}  // namespace lumtrak::preview3d

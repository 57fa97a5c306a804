#include "model/line_ends.h"

namespace lumtrak::model {

LineEnd LineEndForNewLines(std::string_view text) {
    const std::size_t first = text.find_first_of("\r\n");
    if (first == std::string_view::npos) return LineEnd::CrLf;
    if (text[first] == '\n') return LineEnd::Lf;
    if (first + 1 < text.size() && text[first + 1] == '\n') return LineEnd::CrLf;
    return LineEnd::Cr;
}

}  // namespace lumtrak::model

#include "model/line_ends.h"

namespace lumtrak::model {

LineEnd LineEndForNewLines(std::string_view text) {
    const std::size_t first = text.find_first_of("\r\n");
    if (first == std::string_view::npos) return LineEnd::CrLf;
    if (text[first] == '\n') return LineEnd::Lf;
    if (first + 1 < text.size() && text[first + 1] == '\n') return LineEnd::CrLf;
    return LineEnd::Cr;
}

std::string WithLineEnds(std::string_view text, LineEnd lineEnd) {
    const std::string_view written = lineEnd == LineEnd::Cr   ? "\r"
                                     : lineEnd == LineEnd::Lf ? "\n"
                                                              : "\r\n";
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            result += written;
        } else if (text[i] == '\n') {
            result += written;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace lumtrak::model

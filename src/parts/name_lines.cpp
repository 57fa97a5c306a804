#include "parts/name_lines.h"

#include "model/characters.h"
#include "platform/ascii.h"

namespace lumtrak::parts {

std::string NameOfLine(std::string_view line) {
    while (!line.empty() && model::IsNonZeroBlank(line.front()))
        line.remove_prefix(1);
    if (!model::StartsWithIgnoringCase(line, "name")) return {};
    line.remove_prefix(4);
    if (!line.empty() && !model::IsNonZeroBlank(line.front())) return {};
    while (!line.empty() && model::IsNonZeroBlank(line.front()))
        line.remove_prefix(1);
    return std::string(platform::TrimEnd(line, " \t"));
}

std::vector<std::string> NamesDefinedIn(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        std::string name = NameOfLine(text.substr(0, end));
        if (!name.empty()) names.push_back(std::move(name));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return names;
}

}  // namespace lumtrak::parts

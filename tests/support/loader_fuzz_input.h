#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::testing {

// How the loader's fuzz input is cut: the definition text, then, after each
// separator line, the "Stock Index" and the part files a.stk, b.stk and c.stk
// of a small program folder.
inline constexpr std::string_view kLoaderInputSeparator = "\n%%part\n";
inline constexpr const char* kLoaderPartFiles[] = {"a.stk", "b.stk", "c.stk"};

struct LoaderFuzzInput {
    std::string definition;
    std::string stockIndex;
    std::vector<std::string> parts;  // at most one for each of kLoaderPartFiles
};

inline LoaderFuzzInput SplitLoaderFuzzInput(std::string_view input) {
    // The definition, the index and the three parts; the last takes the rest.
    std::vector<std::string> pieces;
    for (;;) {
        const auto separator = input.find(kLoaderInputSeparator);
        if (pieces.size() == 4 || separator == std::string_view::npos) {
            pieces.emplace_back(input);
            break;
        }
        pieces.emplace_back(input.substr(0, separator));
        input.remove_prefix(separator + kLoaderInputSeparator.size());
    }
    LoaderFuzzInput split;
    split.definition = pieces[0];
    if (pieces.size() > 1) split.stockIndex = pieces[1];
    for (std::size_t i = 2; i < pieces.size(); ++i)
        split.parts.push_back(pieces[i]);
    return split;
}

}  // namespace lumtrak::testing

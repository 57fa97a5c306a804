#include "model/name_directory.h"

#include <cstddef>

#include "model/characters.h"

namespace lumtrak::model {

NameDirectory::NameDirectory(const DefinitionText& text) {
    const auto end = static_cast<std::ptrdiff_t>(text.End());
    for (std::ptrdiff_t p = 0; p < end - 5; ++p) {
        const char first = text[p];
        if (first != 'n' && first != 'N') continue;
        if (!StartsWithIgnoringCase(text, p, "name")) continue;
        p += 4;
        while (p <= end - 4 && text[p] != '\0' && IsAtOrBelowBlank(text[p]))
            ++p;
        std::string candidate;
        while (p <= end - 4 && text[p] != '\0' && !IsLineEnd(text[p])) {
            candidate += ToLowerAscii(text[p]);
            ++p;
        }
        firstByCandidate_.try_emplace(std::move(candidate), static_cast<Cursor>(p));
    }
}

std::optional<Cursor> NameDirectory::Find(std::string_view lowerName) const {
    auto found = firstByCandidate_.find(std::string(lowerName));
    if (found == firstByCandidate_.end()) return std::nullopt;
    return found->second;
}

}  // namespace lumtrak::model

#include "model/name_directory.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/characters.h"

namespace lumtrak::model {
namespace {

// The first position from pos below limit whose byte is 'n' or 'N', or limit.
// The whole text is searched on every load, so eight bytes are tested at once:
// or-ing 0x20 maps exactly 'N' and 'n' onto 'n'.
std::ptrdiff_t FindLetterN(std::string_view bytes, std::ptrdiff_t pos, std::ptrdiff_t limit) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    while (pos + 8 <= limit) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + pos, sizeof word);
        const std::uint64_t diff = (word | (kOnes * 0x20)) ^ (kOnes * 'n');
        if (((diff - kOnes) & ~diff & kHighs) != 0) break;
        pos += 8;
    }
    while (pos < limit && (bytes[std::size_t(pos)] | 0x20) != 'n')
        ++pos;
    return pos;
}

}  // namespace

NameDirectory::NameDirectory(const DefinitionText& text) {
    const std::string_view bytes = text.Bytes();
    for (std::size_t p = bytes.find('[', 1); p != std::string_view::npos;
         p = bytes.find('[', p + 1)) {
        if (StartsWithIgnoringCase(text, p, "[end]")) ends_.push_back(p);
    }

    // Positions as signed values: the bounds below lie before the end.
    const auto end = static_cast<std::ptrdiff_t>(text.End());
    auto at = [&](std::ptrdiff_t pos) { return text[static_cast<Cursor>(pos)]; };
    for (std::ptrdiff_t p = 0; p < end - 5; ++p) {
        p = FindLetterN(text.Bytes(), p, end - 5);
        if (p >= end - 5) break;
        if (!StartsWithIgnoringCase(text, static_cast<Cursor>(p), "name")) continue;
        p += 4;
        while (p <= end - 4 && at(p) != '\0' && IsAtOrBelowBlank(at(p)))
            ++p;
        std::string candidate;
        while (p <= end - 4 && at(p) != '\0' && !IsLineEnd(at(p))) {
            candidate += ToLowerAscii(at(p));
            ++p;
        }
        firstByCandidate_.try_emplace(std::move(candidate), static_cast<Cursor>(p));
    }
}

Cursor NameDirectory::DefinitionStart(Cursor pos) const {
    // The last "[end]" at or after position 1 and at or before pos.
    auto after = std::upper_bound(ends_.begin(), ends_.end(), pos);
    if (after == ends_.begin()) return 0;
    return *(after - 1) + 5;
}

std::optional<Cursor> NameDirectory::Find(std::string_view lowerName) const {
    auto found = firstByCandidate_.find(std::string(lowerName));
    if (found == firstByCandidate_.end()) return std::nullopt;
    return found->second;
}

}  // namespace lumtrak::model

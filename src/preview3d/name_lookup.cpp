#include "preview3d/name_lookup.h"

#include <algorithm>
#include <cstring>

#include "model/characters.h"

namespace lumtrak::preview3d {
namespace {

using model::Cursor;
using model::DefinitionText;

constexpr std::uint64_t kBase = 0x100000001B3ull;

std::uint64_t ByteValue(char c) {
    return std::uint64_t(static_cast<unsigned char>(model::ToLowerAscii(c))) + 1;
}

// The hash of bytes b0 b1 ... is the sum of (b_i + 1) x kBase^i, so that a
// range's hash grows from its end toward its start, or from its start toward
// its end, one byte at a time.
std::uint64_t HashOf(std::string_view bytes) {
    std::uint64_t hash = 0;
    std::uint64_t power = 1;
    for (char c : bytes) {
        hash += ByteValue(c) * power;
        power *= kBase;
    }
    return hash;
}

bool EndsValue(char c) {
    return c == '\0' || model::IsLineEnd(c);
}

}  // namespace

void CandidateRanges::Add(std::uint64_t hash, Entry entry) {
    byHash_[hash].push_back(entry);
}

void CandidateRanges::AddEndingAt(const DefinitionText& text, Cursor end,
                                  std::vector<Range> ranges) {
    text_ = text;
    // From the end toward the start, so that the hash of each start follows
    // from the one after it.
    std::sort(ranges.begin(), ranges.end(),
              [](const Range& a, const Range& b) { return a.start > b.start; });
    std::uint64_t hash = 0;
    Cursor at = end;
    for (const Range& range : ranges) {
        const Cursor start = std::min(range.start, end);
        for (; at > start; --at)
            hash = ByteValue(text[at - 1]) + kBase * hash;
        Add(hash, {start, end - start, range.result});
    }
}

void CandidateRanges::AddStartingAt(const DefinitionText& text, Cursor start,
                                    const std::vector<Cursor>& ends) {
    text_ = text;
    std::uint64_t hash = 0;
    std::uint64_t power = 1;
    Cursor at = start;
    for (const Cursor end : ends) {
        for (; at < end; ++at) {
            hash += ByteValue(text[at]) * power;
            power *= kBase;
        }
        Add(hash, {start, end - start, end + 1});
    }
}

std::optional<Cursor> CandidateRanges::Find(std::string_view lowerWanted) const {
    const auto bucket = byHash_.find(HashOf(lowerWanted));
    if (bucket == byHash_.end()) return std::nullopt;
    const Entry* best = nullptr;
    for (const Entry& entry : bucket->second) {
        if (entry.length != lowerWanted.size()) continue;
        if (best != nullptr && best->start < entry.start) continue;
        bool equal = true;
        for (std::size_t i = 0; i < entry.length && equal; ++i) {
            equal = model::ToLowerAscii(text_[entry.start + i]) == lowerWanted[i];
        }
        if (equal) best = &entry;
    }
    if (best == nullptr) return std::nullopt;
    return best->result;
}

CandidateRanges FindDefinitionNames(const DefinitionText& text, bool trimmed) {
    CandidateRanges names;
    const Cursor end = text.End();
    if (end <= 5) return names;
    const Cursor last = end - 5;  // "name" is looked for before here
    // The names found on the line being walked, which all end where it ends.
    std::vector<CandidateRanges::Range> line;
    Cursor lineEnd = 0;
    Cursor valueEnd = 0;
    auto flush = [&] {
        if (!line.empty()) names.AddEndingAt(text, valueEnd, std::move(line));
        line.clear();
    };
    for (Cursor p = 0; p < last; ++p) {
        if (model::ToLowerAscii(text[p]) != 'n' ||
            !model::StartsWithIgnoringCase(text, p, "name")) {
            continue;
        }
        Cursor value = p + 4;
        while (value < last && model::IsNonZeroBlank(text[value]))
            ++value;
        if (value >= lineEnd) {
            flush();
            lineEnd = value;
            while (lineEnd < end && !EndsValue(text[lineEnd]))
                ++lineEnd;
            valueEnd = lineEnd;
            if (trimmed) {
                while (valueEnd > value && model::IsNonZeroBlank(text[valueEnd - 1]))
                    --valueEnd;
            }
        }
        // A value that is all blanks is empty.
        line.push_back({std::min(value, valueEnd), lineEnd});
    }
    flush();
    return names;
}

CandidateRanges FindIndexKeys(const DefinitionText& index) {
    CandidateRanges keys;
    const Cursor end = index.End();
    for (Cursor p = 0; p < end;) {
        while (p < end && model::IsAtOrBelowBlank(index[p]))
            ++p;
        if (p < end && index[p] == '#') ++p;
        const Cursor key = p;
        std::vector<Cursor> tabs;
        while (p < end && !model::IsLineEnd(index[p])) {
            if (index[p] == '\t') tabs.push_back(p);
            ++p;
        }
        if (!tabs.empty()) keys.AddStartingAt(index, key, tabs);
    }
    return keys;
}

std::string_view IndexPathAt(const DefinitionText& index, Cursor afterTab) {
    Cursor start = afterTab;
    while (start < index.End() && model::IsNonZeroBlank(index[start]) &&
           !model::IsLineEnd(index[start]))
        ++start;
    Cursor stop = start;
    while (stop < index.End() && !EndsValue(index[stop]))
        ++stop;
    return index.Bytes().substr(start, stop - start);
}

}  // namespace lumtrak::preview3d

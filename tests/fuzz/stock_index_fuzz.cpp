// The "Stock Index" module on arbitrary bytes: a definition text and an old
// index. What the rebuild and the update write, the index reader reads back as
// the same entries; the update leaves no earlier block and no superseded entry;
// the fast search finds what the plain byte-by-byte search finds, whichever
// vector instructions it uses; the required-files list reads any text against
// any index.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "stockindex/byte_pair_scan.h"
#include "stockindex/definition_file_names.h"
#include "stockindex/find_first_of.h"
#include "stockindex/index_format.h"
#include "stockindex/index_lines.h"
#include "stockindex/required_files.h"
#include "stockindex/stock_index.h"
#include "stockindex/update.h"

namespace {

using namespace lumtrak::stockindex;

void Check(bool condition) {
    if (!condition) std::abort();
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// The search as the rebuild defines it, one byte at a time.
std::size_t PlainFindFirstOf(std::string_view bytes, std::size_t from,
                             const std::array<std::string_view, 3>& patterns) {
    std::array<std::size_t, 3> matched{};
    for (std::size_t p = from; p < bytes.size(); ++p) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (patterns[k].empty()) continue;
            matched[k] = Lower(bytes[p]) == Lower(patterns[k][matched[k]]) ? matched[k] + 1 : 0;
        }
        for (std::size_t k = 0; k < 3; ++k) {
            if (!patterns[k].empty() && matched[k] == patterns[k].size()) {
                return p + 1 - patterns[k].size();
            }
        }
    }
    return bytes.size();
}

void CheckSearch(std::string_view text, std::size_t from,
                 const std::array<std::string_view, 3>& patterns) {
    Check(FindFirstOf(text, from, patterns[0], patterns[1], patterns[2]) ==
          PlainFindFirstOf(text, from, patterns));
}

// Every way of looking for byte pairs finds what looking at each byte finds.
void CheckPairScan(std::string_view text, std::size_t from, std::string_view pattern) {
    BytePairs pairs;
    pairs.Add('[', 'e');
    if (pattern.size() >= 2) pairs.Add(pattern[0], pattern[1]);
    if (pattern.size() >= 4) pairs.Add(pattern[2], pattern[3]);
    const std::size_t expected = FindBytePair(text, from, pairs, PairScanWay::Bytes);
    for (PairScanWay way : PairScanWaysHere())
        Check(FindBytePair(text, from, pairs, way) == expected);
}

// An entry that reads back as written: one line of one piece, its name
// without a tab and, unless marked, without a leading '#'.
bool ReadsBackAlike(const IndexEntry& entry) {
    const std::size_t lineLength =
        (entry.marked ? 1 : 0) + entry.name.size() + 1 + entry.path.size() + 1;
    auto plain = [](std::string_view s) {
        return s.find_first_of("\t\r\n") == std::string_view::npos;
    };
    return lineLength <= 249 && plain(entry.name) && plain(entry.path) &&
           (entry.marked || entry.name.empty() || entry.name.front() != '#');
}

void CheckRoundTrip(const std::vector<IndexEntry>& written) {
    StringIndexWriter out;
    std::vector<IndexEntry> expected;
    for (const IndexEntry& entry : written) {
        if (!ReadsBackAlike(entry)) continue;
        out.Entry(entry.name, entry.path, entry.marked);
        expected.push_back(entry);
    }
    Check(ReadIndexEntries(out.text) == expected);

    // The include lookup reads the same entries by the same rules.
    const StockIndex lookup = StockIndex::Parse(out.text);
    for (const IndexEntry& entry : expected) {
        std::string key = entry.name;
        for (char& c : key)
            c = Lower(c);
        std::string path = entry.path;
        for (char& c : path) {
            if (c == '\\') c = '/';
        }
        const auto& paths = lookup.PathsFor(key);
        Check(std::find(paths.begin(), paths.end(), path) != paths.end());
    }
}

void CheckUpdate(std::string_view document, std::string_view oldIndex) {
    const UpdateBlock block = MakeUpdateBlock(document, "/d/doc.stk");
    StringIndexWriter copied;
    CopyPreviousIndex(oldIndex, block.nameList, copied);

    const IndexLines lines(copied.text);
    for (std::string_view piece : lines.Pieces()) {
        Check(!piece.starts_with(kUpdateMarkLine));
        if (auto entry = ReadEntry(piece)) {
            Check(block.nameList.find("<" + entry->name + ">") == std::string::npos);
        }
    }
    // Every line ends with CR LF, and a copy without long lines copies alike.
    Check(copied.text.empty() || copied.text.ends_with(kLineEnd));
    bool longLines = false;
    for (std::string_view piece : lines.Pieces())
        longLines = longLines || WithoutLineEnd(piece).size() >= 249;
    if (!longLines) {
        StringIndexWriter again;
        CopyPreviousIndex(copied.text, block.nameList, again);
        Check(again.text == copied.text);
    }

    // The block's entries read back first, in order, then the copied ones.
    std::vector<IndexEntry> expected;
    for (const std::string& name : block.names) {
        IndexEntry entry{name, "/d/doc.stk", false};
        if (!ReadsBackAlike(entry)) return;
        expected.push_back(std::move(entry));
    }
    Check(ReadIndexEntries(block.lines) == expected);
    for (auto& entry : ReadIndexEntries(copied.text))
        expected.push_back(std::move(entry));
    Check(ReadIndexEntries(block.lines + copied.text) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::size_t from = provider.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::string pattern = provider.ConsumeRandomLengthString(12);
    const std::string oldIndex = provider.ConsumeRandomLengthString(4096);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    CheckSearch(text, from, {"name", "", ""});
    CheckSearch(text, from, {"hide", "[end]", "component"});
    CheckSearch(text, from, {pattern, "[end]", pattern.substr(pattern.size() / 2)});
    CheckPairScan(text, from, pattern);

    std::vector<IndexEntry> rebuilt;
    for (const IndexedName& indexed : IndexedNames(text))
        rebuilt.push_back({indexed.name, "/lt/Stock/file.stk", indexed.marked});
    CheckRoundTrip(rebuilt);

    CheckUpdate(text, oldIndex);

    const IndexLines index(oldIndex);
    CollectRequiredFiles(text, from * 7, [&] { return &index; });
    return 0;
}

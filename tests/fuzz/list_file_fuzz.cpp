// The installer's list-file reader on arbitrary bytes. The first byte sets how
// many bytes each read gives the reader, so that pieces and words straddle its
// buffer; the rest is the list file. The words must be those of the same file
// cut in memory, and a file word never names anything outside its folder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_pieces.h"
#include "setup/list_file.h"

namespace {

using lumtrak::setup::ListEntry;

std::vector<std::string> WordsCutInMemory(std::string_view content) {
    std::vector<std::string> words;
    for (const auto piece : lumtrak::platform::LinePieces(content)) {
        const auto word = lumtrak::setup::ListWord(piece);
        if (!word.empty()) words.emplace_back(word);
    }
    return words;
}

// Whether a sub-folder path leaves the section folder: absolute, or with a ".."
// component.
bool ReachesOutside(std::string_view path) {
    if (!path.empty() && path.front() == '/') return true;
    while (!path.empty()) {
        const auto slash = path.find('/');
        if (path.substr(0, slash) == "..") return true;
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t chunk = std::size_t(data[0]) + 1;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::string_view rest = content;
    lumtrak::setup::ListWordReader reader([&rest, chunk](std::span<char> into) {
        const std::size_t count = std::min({chunk, into.size(), rest.size()});
        std::memcpy(into.data(), rest.data(), count);
        rest.remove_prefix(count);
        return std::ptrdiff_t(count);
    });
    std::vector<std::string> words;
    while (const auto word = reader.Next()) {
        if (word->empty()) std::abort();
        words.emplace_back(*word);
        const auto entry = lumtrak::setup::ClassifyListWord(*word);
        if (entry.kind == ListEntry::Kind::File && (entry.name.find('/') != std::string::npos ||
                                                    entry.name == "." || entry.name == "..")) {
            std::abort();
        }
        if (entry.kind == ListEntry::Kind::SubFolder && ReachesOutside(entry.name)) std::abort();
    }
    if (reader.Failed() || words != WordsCutInMemory(content)) std::abort();
    return 0;
}

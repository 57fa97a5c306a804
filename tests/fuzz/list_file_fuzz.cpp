// The installer's list-file reader on arbitrary bytes: every word it gives is
// classified, and a file word never names anything outside its folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "setup/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    for (const auto& word : lumtrak::setup::ListFileWords(content)) {
        if (word.empty()) std::abort();
        const auto entry = lumtrak::setup::ClassifyListWord(word);
        if (entry.kind == lumtrak::setup::ListEntry::Kind::File &&
            (entry.name.find('/') != std::string::npos || entry.name == "..")) {
            std::abort();
        }
    }
    return 0;
}

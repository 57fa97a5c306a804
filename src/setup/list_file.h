#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::setup {

// The words of a list file that count, in file order: the first word of every
// line piece (a line longer than 249 bytes is read as several pieces). Leading bytes not above the
// blank are skipped and the word ends at the next such byte (bytes compare as signed, so 0x80 to
// 0xFF end it too); a zero byte ends the piece. Pieces without a word give nothing.
std::vector<std::string> ListFileWords(std::string_view content);

// What one word of a list file asks for.
struct ListEntry {
    enum class Kind {
        File,       // move the file `name` from the section's package folder
        SubFolder,  // create the sub-folder `name` ("a/b"; "" is the section folder) and select it
        Unsafe,     // a name that would reach outside the section's folders: skipped
    };
    Kind kind = Kind::Unsafe;
    std::string name;
    bool operator==(const ListEntry&) const = default;
};

// A word beginning with '\' or '/' names a sub-folder, with either separator
// inside; any other word names a file. Names with a ".." component, absolute
// sub-folder paths and file names containing a separator are unsafe.
ListEntry ClassifyListWord(std::string_view word);

}  // namespace lumtrak::setup

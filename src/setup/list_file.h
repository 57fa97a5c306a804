#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_pieces.h"

namespace lumtrak::setup {

// The word of a list-file line piece that counts: its first word. Leading bytes
// not above the blank (0x20) are skipped and the word ends at the next such
// byte, bytes compared unsigned, so that a UTF-8 name is one word; a zero byte
// ends the piece. Empty when the piece has no word.
std::string_view ListWord(std::string_view piece);

// The words of a list file that count, in file order: the word of every line
// piece (a line longer than 249 bytes is read as several pieces) that has one.
// The file is read one piece at a time, so memory stays bounded by a piece.
class ListWordReader {
  public:
    explicit ListWordReader(platform::LinePieceReader::ReadSome read) : pieces_(std::move(read)) {}

    // The next word, valid until the next call; nothing at the end of the file
    // or once reading failed.
    std::optional<std::string_view> Next();
    bool Failed() const { return pieces_.Failed(); }

  private:
    platform::LinePieceReader pieces_;
};

// The words of a list file held in memory.
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

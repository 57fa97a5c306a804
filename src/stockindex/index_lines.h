#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading a "Stock Index" as every reader of it does: in text mode (CR LF reads
// as LF), at most 249 characters at a time, so that a longer line arrives as
// several pieces and each piece is handled as a line of its own.
namespace lumtrak::stockindex {

class IndexLines {
  public:
    explicit IndexLines(std::string_view content);
    IndexLines(const IndexLines&) = delete;
    IndexLines& operator=(const IndexLines&) = delete;

    // Each piece ends with its '\n' when the line ended within it.
    const std::vector<std::string_view>& Pieces() const { return pieces_; }

  private:
    std::string text_;
    std::vector<std::string_view> pieces_;
};

// The content as text mode reads it: CR LF becomes LF.
std::string ToTextMode(std::string_view content);

// A piece without its line end.
std::string_view WithoutLineEnd(std::string_view piece);

// One entry line: the name up to the first tab, the path after it.
struct IndexEntry {
    std::string name;
    std::string path;
    bool marked = false;  // written with a leading '#': hidden or a component
    bool operator==(const IndexEntry&) const = default;
};

// The entry of one piece, one leading '#' dropped; nothing for a piece without
// a tab (group lines, update marks, the tail of a long line).
std::optional<IndexEntry> ReadEntry(std::string_view piece);

// Every entry of an index, in file order.
std::vector<IndexEntry> ReadIndexEntries(std::string_view content);

// The lookup by name that the required-files list makes: the first piece that,
// after one leading '#', begins with name compared without regard to case over
// the name's length. Gives the rest of that piece after the name's length (its
// tab and path, with the line end), or nothing.
std::optional<std::string_view> FindByNamePrefix(const IndexLines& lines, std::string_view name);

}  // namespace lumtrak::stockindex

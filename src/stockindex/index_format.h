#pragma once

#include <string>
#include <string_view>

// The "Stock Index" file: one line per stock name, grouped by folder.
//   entry:    ["#"] name TAB path     ("#": a hidden definition or a component)
//   group:    "NODE", the group's name, its entries and groups, "End NODE"
//   update:   "#####" opens and closes the block that an update puts on top
// Lines end with CR LF on disk; readers accept CR LF and LF.
namespace lumtrak::stockindex {

inline constexpr std::string_view kIndexFileName = "Stock Index";

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kNodeLine = "NODE";
inline constexpr std::string_view kEndNodeLine = "End NODE";
inline constexpr std::string_view kUpdateMarkLine = "#####";
inline constexpr std::string_view kUpdateGroupName = "Update";
inline constexpr char kMarkedPrefix = '#';
inline constexpr char kNameSeparator = '\t';

// The index of a program folder: the file there whose name matches in any case,
// else "Stock Index" in it.
std::string IndexPathIn(const std::string& programFolder);

// Where the lines of a new index go: a file being written, or a text.
class IndexWriter {
  public:
    virtual ~IndexWriter() = default;
    virtual void Write(std::string_view bytes) = 0;

    void Line(std::string_view text);
    void Entry(std::string_view name, std::string_view path, bool marked);

  private:
    std::string entry_;
};

class StringIndexWriter : public IndexWriter {
  public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

}  // namespace lumtrak::stockindex

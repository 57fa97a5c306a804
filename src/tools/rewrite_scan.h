#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/characters.h"
#include "model/definition_text.h"
#include "tools/point.h"
#include "tools/point_text.h"
#include "tools/text_buffer.h"

// The scan that every rewriting tool runs over the selected text: a cursor that
// moves through the range, an output that grows, keyword tests at every position,
// and the point counter of the lists that follow "fill", "rect" and "line".
namespace lumtrak::tools {

enum class ListKind { Fill, Rect, Line };

// A set of bytes: where a scan has to look closer. Outside the set the bytes of
// a run are copied without any test.
class ByteSet {
  public:
    // The first letters of words, in either case, and the bytes of extra.
    constexpr ByteSet(std::initializer_list<std::string_view> words, std::string_view extra = {}) {
        for (std::string_view word : words) {
            members_[Index(model::ToLowerAscii(word.front()))] = true;
            members_[Index(ToUpper(word.front()))] = true;
        }
        for (char c : extra)
            members_[Index(c)] = true;
    }
    constexpr bool operator()(char c) const { return members_[Index(c)]; }

  private:
    static constexpr std::size_t Index(char c) { return static_cast<unsigned char>(c); }
    static constexpr char ToUpper(char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    std::array<bool, 256> members_{};
};

class RewriteScan {
  public:
    // Scans range of text; the text is read beyond the range where a keyword or a
    // number runs on, but never beyond its end.
    RewriteScan(std::string_view text, Selection range);

    const DefinitionText& Text() const { return text_; }
    Selection Range() const { return range_; }
    Cursor Position() const { return cursor_; }
    void MoveTo(Cursor position) { cursor_ = position; }
    // The scan goes on while the cursor is before the end of the range.
    bool InRange() const { return cursor_ < range_.end; }
    char Current() const { return text_[cursor_]; }

    std::string& Output() { return out_; }
    std::string TakeOutput() { return std::move(out_); }

    // Copies the byte at the cursor and moves on by one.
    void CopyByte() { out_ += text_[cursor_++]; }
    // Copies the byte at the cursor and the bytes after it up to the next one in
    // stops or the end of the range.
    void CopyRun(const ByteSet& stops);

    // Whether the text at the cursor begins with word (given in lower case), in any
    // case. Tested at almost every byte, so the first letter is compared here.
    bool At(std::string_view word) const {
        return model::ToLowerAscii(text_[cursor_]) == word.front() &&
               model::StartsWithIgnoringCase(text_, cursor_ + 1, word.substr(1));
    }
    // If the text at the cursor begins with word: moves over it and over the field
    // delimiter after it (SkipField), and returns true.
    bool MoveOverKeyword(std::string_view word) {
        if (!At(word)) return false;
        MoveOver(word);
        return true;
    }

    std::int32_t ReadValue(FieldEnd end = FieldEnd::Next) {
        return tools::ReadValue(text_, cursor_, end);
    }
    Point ReadPoint(FieldEnd end = FieldEnd::Next) { return tools::ReadPoint(text_, cursor_, end); }
    void SkipField(FieldEnd end = FieldEnd::Next) { SkipValueField(text_, cursor_, end); }

    // The N values of a statement after its keyword; the field step after the last
    // leaves bytes 0x80 to 0xFF in place, for the text that follows.
    template <std::size_t N>
    std::array<std::int32_t, N> ReadStatementValues() {
        std::array<std::int32_t, N> values{};
        for (std::size_t i = 0; i < N; ++i)
            values[i] = ReadValue(i + 1 == N ? FieldEnd::KeepHighBytes : FieldEnd::Next);
        return values;
    }
    // The point of a Vertex, Motion1 or Include statement, read as its three values.
    Point ReadStatementPoint() {
        const auto values = ReadStatementValues<3>();
        return {values[0], values[1], values[2]};
    }

    // Point lists. The keywords "fill", "rect" and "line" are tested in this order; on
    // a match the cursor moves over the keyword and the field delimiter after it,
    // "Fill ", "Rect " or "Line " is written, and the point counter is set: 1 for
    // Fill and Rect, 3 for Line. Points of an unfinished list that were held are
    // written unchanged first, so that no point is lost.
    bool OpenPointList() {
        const char first = model::ToLowerAscii(Current());
        return (first == 'f' || first == 'r' || first == 'l') && OpenPointListHere();
    }
    bool ListOpen() const { return counter_ != 0; }
    ListKind Kind() const { return kind_; }
    // The first slot of the open or last list: 1, or 3 for a Line.
    int FirstSlot() const { return kind_ == ListKind::Line ? 3 : 1; }

    // Reads the next point of the open list and advances the counter. After the
    // last point of a list the field step leaves bytes 0x80 to 0xFF in place.
    Point ReadListPoint() {
        const bool last = counter_ == 4;
        const Point point = ReadPoint(last ? FieldEnd::KeepHighBytes : FieldEnd::Next);
        counter_ = last ? 0 : counter_ + 1;
        return point;
    }

    // For tools that hold a list's points until the list is complete: reads the next
    // point into its slot and returns true when that completed the list.
    bool HoldListPoint();
    const Point& Held(int slot) const { return slots_[static_cast<std::size_t>(slot)]; }
    // Writes the points held of an unfinished list unchanged, "%d/%d/%d " each, and
    // closes the list. Holding tools call it when their scan ends.
    void WriteUnfinishedList();

  private:
    void MoveOver(std::string_view keyword);
    bool OpenPointListHere();

    DefinitionText text_;
    Selection range_;
    Cursor cursor_;
    std::string out_;
    int counter_ = 0;
    ListKind kind_ = ListKind::Fill;
    std::array<Point, 5> slots_{};
    int held_ = 0;  // points held of the open list
};

// "Vertex %d %d %d "
void WriteVertex(std::string& out, const Point& point);

// "%d/%d/%d " for each of the given slots, in that order.
void WriteSlots(RewriteScan& scan, std::initializer_list<int> slots);

// The bytes of range, then "\r\n", then rewritten: "Leave original".
std::string KeepOriginalBefore(std::string_view text, Selection range,
                               const std::string& rewritten);

}  // namespace lumtrak::tools

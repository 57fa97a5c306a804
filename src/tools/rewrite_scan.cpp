#include "tools/rewrite_scan.h"

#include <algorithm>

#include "model/characters.h"
#include "model/scanning.h"

namespace lumtrak::tools {
namespace {

struct ListKeyword {
    std::string_view word;
    std::string_view written;
    ListKind kind;
};

constexpr ListKeyword kListKeywords[] = {
    {"fill", "Fill ", ListKind::Fill},
    {"rect", "Rect ", ListKind::Rect},
    {"line", "Line ", ListKind::Line},
};

}  // namespace

RewriteScan::RewriteScan(std::string_view text, Selection range)
    : text_(text), range_(ClampSelection(range, text.size())), cursor_(range_.start) {
    // Rewritten numbers may come out longer than they went in.
    const std::size_t length = range_.end - range_.start;
    out_.reserve(length + length / 4 + 64);
}

void RewriteScan::CopyRun(const ByteSet& stops) {
    const std::string_view bytes = text_.Bytes();
    const Cursor from = cursor_++;
    while (cursor_ < range_.end && !stops(bytes[cursor_]))
        ++cursor_;
    out_.append(bytes.substr(from, cursor_ - from));
}

void RewriteScan::MoveOver(std::string_view keyword) {
    cursor_ += keyword.size();
    model::SkipField(text_, cursor_);
}

bool RewriteScan::OpenPointListHere() {
    for (const auto& keyword : kListKeywords) {
        if (!At(keyword.word)) continue;
        WriteUnfinishedList();
        MoveOver(keyword.word);
        out_ += keyword.written;
        kind_ = keyword.kind;
        counter_ = FirstSlot();
        return true;
    }
    return false;
}

bool RewriteScan::HoldListPoint() {
    const int slot = counter_;
    slots_[static_cast<std::size_t>(slot)] = ReadListPoint();
    held_ = ListOpen() ? held_ + 1 : 0;
    return !ListOpen();
}

void RewriteScan::WriteUnfinishedList() {
    for (int i = 0; i < held_; ++i)
        AppendPoint(out_, Held(FirstSlot() + i));
    held_ = 0;
    counter_ = 0;
}

void WriteVertex(std::string& out, const Point& point) {
    out += "Vertex ";
    AppendInt(out, point.x);
    out += ' ';
    AppendInt(out, point.y);
    out += ' ';
    AppendInt(out, point.z);
    out += ' ';
}

void WriteSlots(RewriteScan& scan, std::initializer_list<int> slots) {
    for (int slot : slots)
        AppendPoint(scan.Output(), scan.Held(slot));
}

std::string KeepOriginalBefore(std::string_view text, Selection range,
                               const std::string& rewritten) {
    range = ClampSelection(range, text.size());
    std::string out;
    out.reserve(range.end - range.start + 2 + rewritten.size());
    out.append(text.substr(range.start, range.end - range.start));
    out += "\r\n";
    out += rewritten;
    return out;
}

}  // namespace lumtrak::tools

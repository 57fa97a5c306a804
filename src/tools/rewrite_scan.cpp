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
    out_.reserve(range_.end - range_.start + 64);
}

bool RewriteScan::At(std::string_view word) const {
    return model::StartsWithIgnoringCase(text_, cursor_, word);
}

bool RewriteScan::MoveOverKeyword(std::string_view word) {
    if (!At(word)) return false;
    cursor_ += word.size();
    model::SkipField(text_, cursor_);
    return true;
}

bool RewriteScan::OpenPointList() {
    for (const auto& keyword : kListKeywords) {
        if (!At(keyword.word)) continue;
        WriteUnfinishedList();
        cursor_ += keyword.word.size();
        model::SkipField(text_, cursor_);
        out_ += keyword.written;
        kind_ = keyword.kind;
        counter_ = FirstSlot();
        return true;
    }
    return false;
}

Point RewriteScan::ReadListPoint() {
    const bool last = counter_ == 4;
    const Point point = ReadPoint(last ? FieldEnd::KeepHighBytes : FieldEnd::Next);
    counter_ = last ? 0 : counter_ + 1;
    return point;
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

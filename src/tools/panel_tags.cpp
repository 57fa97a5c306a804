#include "tools/panel_tags.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "model/characters.h"
#include "tools/rewrite_scan.h"

namespace lumtrak::tools {
namespace {

// Where the tail of a panel line ends and its tag goes: in front of a marker or
// a comment. The pound sign is the double-sided marker.
bool EndsTail(char c) {
    return c == '#' || c == '$' || c == '=' || c == '_' || static_cast<unsigned char>(c) == 0xA3;
}

// Copies the tail of a panel line up to the line end, the end of the range, a
// marker or a comment, or a bracketed tag, which is passed over uncopied.
void CopyTailDroppingTag(RewriteScan& scan) {
    const DefinitionText& text = scan.Text();
    while (scan.InRange()) {
        const char c = scan.Current();
        if (model::IsLineEnd(c) || EndsTail(c)) return;
        if (c == '[') {
            Cursor cursor = scan.Position();
            while (cursor < text.End() && text[cursor] != ']' && !model::IsLineEnd(text[cursor]))
                ++cursor;
            if (cursor < text.End() && text[cursor] == ']') ++cursor;
            scan.MoveTo(cursor);
            return;
        }
        scan.CopyByte();
    }
}

// Rewrites range: every point list is read whole and written unchanged, then
// its tail, then the tag that tagFor gives for the list's points.
template <class TagFor>
std::string RetagPanels(std::string_view text, Selection range, const TagFor& tagFor) {
    RewriteScan scan(text, range);
    std::string& out = scan.Output();
    while (scan.InRange()) {
        if (!scan.OpenPointList()) {
            scan.CopyByte();
            continue;
        }
        std::array<Point, 4> points;
        std::size_t count = 0;
        while (scan.ListOpen()) {
            points[count] = scan.ReadListPoint();
            AppendPoint(out, points[count]);
            ++count;
        }
        CopyTailDroppingTag(scan);
        out += tagFor(std::span<const Point>(points.data(), count));
    }
    return scan.TakeOutput();
}

Selection WholeText(std::string_view text) {
    return {0, text.size()};
}

// The first "length" of the whole text, in any case and anywhere: the value
// after it divided by 10, or 0 without one.
std::int32_t LengthUnits(std::string_view text) {
    const DefinitionText definition(text);
    constexpr std::string_view kLength = "length";
    for (Cursor pos = 0; pos + kLength.size() <= text.size(); ++pos) {
        if (model::StartsWithIgnoringCase(definition, pos, kLength))
            return model::ReadInteger(definition, pos + kLength.size()) / 10;
    }
    return 0;
}

std::string_view QuadrantTag(std::span<const Point> points, std::int32_t half) {
    auto every = [&](auto holds) { return std::all_of(points.begin(), points.end(), holds); };
    if (every([](const Point& p) { return p.x / 10 < 0; })) return " [Left] ";
    if (every([](const Point& p) { return p.x / 10 > 0; })) return " [Right] ";
    if (every([&](const Point& p) { return p.y / 10 > half; })) return " [Back] ";
    if (every([&](const Point& p) { return p.y / 10 < half; })) return " [Front] ";
    return "";
}

}  // namespace

RewriteResult SetD3DOnly(std::string_view text, Selection selection) {
    selection = ClampSelection(selection, text.size());
    if (selection == Selection{0, 0}) selection = WholeText(text);
    return RewriteResult::Replace(
        selection, RetagPanels(text, selection, [](std::span<const Point>) { return " [D3D] "; }));
}

RewriteResult AutoQ(std::string_view text, Selection selection) {
    selection = ClampSelection(selection, text.size());
    if (selection.start == selection.end) selection = WholeText(text);
    const std::int32_t half = LengthUnits(text) >> 1;
    return RewriteResult::Replace(selection,
                                  RetagPanels(text, selection, [&](std::span<const Point> points) {
                                      return QuadrantTag(points, half);
                                  }));
}

}  // namespace lumtrak::tools

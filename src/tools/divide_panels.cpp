#include "tools/divide_panels.h"

#include <algorithm>
#include <string>

#include "model/characters.h"
#include "tools/rewrite_scan.h"

namespace lumtrak::tools {
namespace {

// Reads one point and writes it to both halves: the low half takes the lesser of
// its coordinate and the division value on the axis, the high half the greater.
void SplitPointAtDivision(RewriteScan& scan, std::string& low, std::string& high,
                          const DivideParameters& parameters, FieldEnd end) {
    const Point point = scan.ReadPoint(end);
    Point lowPoint = point;
    Point highPoint = point;
    auto split = [](std::int32_t value, std::int32_t division, std::int32_t& lowValue,
                    std::int32_t& highValue) {
        lowValue = std::min(value, division);
        highValue = std::max(value, division);
    };
    switch (parameters.axis) {
        case DivideAxis::W:
            split(point.x, parameters.w, lowPoint.x, highPoint.x);
            break;
        case DivideAxis::L:
            split(point.y, parameters.l, lowPoint.y, highPoint.y);
            break;
        case DivideAxis::H:
            split(point.z, parameters.h, lowPoint.z, highPoint.z);
            break;
        case DivideAxis::None:
            break;
    }
    AppendPoint(low, lowPoint);
    AppendPoint(high, highPoint);
}

}  // namespace

RewriteResult DividePanels(std::string_view text, Selection selection,
                           const DivideParameters& parameters) {
    selection = ClampSelection(selection, text.size());
    RewriteScan scan(text, selection);
    std::string& out = scan.Output();
    while (scan.InRange()) {
        if (!scan.MoveOverKeyword("fill")) {
            scan.CopyByte();
            continue;
        }
        std::string low = "Fill ";
        std::string high = "Fill ";
        for (int i = 0; i < 4; ++i) {
            SplitPointAtDivision(scan, low, high, parameters,
                                 i == 3 ? FieldEnd::KeepHighBytes : FieldEnd::Next);
        }
        // The rest of the line goes to both halves; the line end itself is copied
        // by the scan, after the high half.
        const Cursor rest = scan.Position();
        while (scan.InRange() && !model::IsLineEnd(scan.Current()))
            scan.MoveTo(scan.Position() + 1);
        if (scan.Position() > rest) {
            const auto tail = text.substr(rest, scan.Position() - rest);
            low += tail;
            high += tail;
        }
        out += low;
        out += "\r\n";
        out += high;
    }
    return RewriteResult::Replace(selection, scan.TakeOutput());
}

}  // namespace lumtrak::tools

#include "tools/reflect.h"

#include <string>

#include "model/wrapping.h"
#include "tools/rewrite_scan.h"

namespace lumtrak::tools {

using model::WrapMultiply;
using model::WrapSubtract;

namespace {

std::int32_t Mirrored(std::int32_t value, std::int32_t centre) {
    return WrapSubtract(WrapMultiply(2, centre), value);
}

Point Reflected(Point point, const ReflectParameters& parameters) {
    if (parameters.reflectL) point.y = Mirrored(point.y, parameters.centre.y);
    if (parameters.reflectH) point.z = Mirrored(point.z, parameters.centre.z);
    if (parameters.reflectW) point.x = Mirrored(point.x, parameters.centre.x);
    return point;
}

// A side tag as it is found (any case) and as it is written, turned round or not.
struct SideTag {
    std::string_view found;
    std::string_view kept;
    std::string_view turned;
    bool ReflectParameters::*turnedBy;
};

constexpr SideTag kSideTags[] = {
    {"[front]", "[Front]", "[Back]", &ReflectParameters::reflectL},
    {"[back]", "[Back]", "[Front]", &ReflectParameters::reflectL},
    {"[left]", "[Left]", "[Right]", &ReflectParameters::reflectW},
    {"[right]", "[Right]", "[Left]", &ReflectParameters::reflectW},
};

constexpr ByteSet kCopyStops{{"fill", "rect", "line", "vertex"}, "["};

bool RewriteSideTag(RewriteScan& scan, const ReflectParameters& parameters) {
    for (const auto& tag : kSideTags) {
        if (!scan.At(tag.found)) continue;
        scan.Output() += parameters.*tag.turnedBy ? tag.turned : tag.kept;
        scan.MoveTo(scan.Position() + tag.found.size());
        return true;
    }
    return false;
}

}  // namespace

RewriteResult Reflect(std::string_view text, Selection selection,
                      const ReflectParameters& parameters) {
    selection = ClampSelection(selection, text.size());
    RewriteScan scan(text, selection);
    std::string& out = scan.Output();
    while (scan.InRange()) {
        if (scan.OpenPointList()) continue;
        if (scan.MoveOverKeyword("vertex")) {
            WriteVertex(out, Reflected(scan.ReadStatementPoint(), parameters));
        } else if (scan.ListOpen()) {
            if (!scan.HoldListPoint()) continue;
            // Mirrored, and written in reverse order per pair so the panel keeps its facing.
            if (scan.Kind() == ListKind::Line) {
                AppendPoint(out, Reflected(scan.Held(4), parameters));
                AppendPoint(out, Reflected(scan.Held(3), parameters));
            } else {
                for (int slot : {2, 1, 4, 3})
                    AppendPoint(out, Reflected(scan.Held(slot), parameters));
            }
        } else if (!RewriteSideTag(scan, parameters)) {
            scan.CopyRun(kCopyStops);
        }
    }
    scan.WriteUnfinishedList();
    std::string rewritten = scan.TakeOutput();
    if (parameters.leaveOriginal) rewritten = KeepOriginalBefore(text, selection, rewritten);
    return RewriteResult::Replace(selection, std::move(rewritten));
}

}  // namespace lumtrak::tools

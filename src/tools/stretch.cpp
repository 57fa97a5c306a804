#include "tools/stretch.h"

#include "model/wrapping.h"
#include "tools/point_map_rewrite.h"

namespace lumtrak::tools {

using model::WrapAdd;
using model::WrapMultiply;
using model::WrapSubtract;

namespace {

// o + ((v - o) * f) / 100, in wrapping 32-bit arithmetic, the division truncating.
std::int32_t Stretched(std::int32_t value, std::int32_t origin, std::int32_t percent) {
    return WrapAdd(origin, WrapMultiply(WrapSubtract(value, origin), percent) / 100);
}

}  // namespace

RewriteResult Stretch(std::string_view text, Selection selection,
                      const StretchParameters& parameters) {
    selection = ClampSelection(selection, text.size());
    const auto& f = parameters.factorPercent;
    const auto& o = parameters.origin;
    std::string rewritten =
        RewritePoints(text, selection, VertexStatements::Mapped, [&](Point point) {
            if (parameters.stretchW) point.x = Stretched(point.x, o.x, f.x);
            if (parameters.stretchL) point.y = Stretched(point.y, o.y, f.y);
            if (parameters.stretchH) point.z = Stretched(point.z, o.z, f.z);
            return point;
        });
    if (parameters.leaveOriginal) rewritten = KeepOriginalBefore(text, selection, rewritten);
    return RewriteResult::Replace(selection, std::move(rewritten));
}

}  // namespace lumtrak::tools

#include "tools/point_conversions.h"

#include "model/wrapping.h"
#include "tools/point_map_rewrite.h"

namespace lumtrak::tools {

using model::WrapMultiply;
using model::WrapNegate;

namespace {

template <class Map>
RewriteResult MapPoints(std::string_view text, Selection selection, const Map& map) {
    selection = ClampSelection(selection, text.size());
    return RewriteResult::Replace(selection,
                                  RewritePoints(text, selection, VertexStatements::Copied, map));
}

}  // namespace

RewriteResult ImperialToMetric(std::string_view text, Selection selection) {
    return MapPoints(text, selection, [](const Point& p) {
        return Point{WrapMultiply(p.x, 3), WrapMultiply(p.y, 3), WrapMultiply(p.z, 3)};
    });
}

RewriteResult MetricToImperial(std::string_view text, Selection selection) {
    return MapPoints(text, selection, [](const Point& p) {
        return Point{p.x / 3, p.y / 3, p.z / 3};
    });
}

RewriteResult Rotate90Left(std::string_view text, Selection selection) {
    return MapPoints(text, selection, [](const Point& p) {
        return Point{WrapNegate(p.y), p.x, p.z};
    });
}

RewriteResult Rotate90Right(std::string_view text, Selection selection) {
    return MapPoints(text, selection, [](const Point& p) {
        return Point{p.y, WrapNegate(p.x), p.z};
    });
}

}  // namespace lumtrak::tools

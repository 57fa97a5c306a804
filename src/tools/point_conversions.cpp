#include "tools/point_conversions.h"

#include "tools/int32_arithmetic.h"
#include "tools/point_map_rewrite.h"

namespace lumtrak::tools {
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
        return Point{WrapMul(p.x, 3), WrapMul(p.y, 3), WrapMul(p.z, 3)};
    });
}

RewriteResult MetricToImperial(std::string_view text, Selection selection) {
    return MapPoints(text, selection, [](const Point& p) {
        return Point{p.x / 3, p.y / 3, p.z / 3};
    });
}

RewriteResult Rotate90Left(std::string_view text, Selection selection) {
    return MapPoints(text, selection, [](const Point& p) { return Point{WrapNeg(p.y), p.x, p.z}; });
}

RewriteResult Rotate90Right(std::string_view text, Selection selection) {
    return MapPoints(text, selection, [](const Point& p) { return Point{p.y, WrapNeg(p.x), p.z}; });
}

}  // namespace lumtrak::tools

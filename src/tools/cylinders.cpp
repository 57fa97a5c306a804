#include "tools/cylinders.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "model/approximate_pi.h"
#include "model/wrapping.h"

namespace lumtrak::tools {

using model::TruncateToInt32;
using model::WrapAdd;
using model::WrapDivide;
using model::WrapMultiply;
using model::WrapSubtract;

namespace {

// The vector from an end's centre to its rim point at angle 0. Ends that
// coincide take End A's radius as the axis length, so the rim vectors are zero;
// with that radius 0 too there is nothing to divide by and they stay zero.
Point RimVector(const Point& axis, std::int32_t axisLength, std::int32_t radius) {
    if (axisLength == 0) return {};
    return {WrapDivide(WrapMultiply(axis.x, radius), axisLength),
            WrapDivide(WrapMultiply(axis.y, radius), axisLength),
            WrapDivide(WrapMultiply(axis.z, radius), axisLength)};
}

// The rim point at angle t: each coordinate of the centre plus sin t times one
// component of the rim vector plus cos t times another, in double precision.
Point RimPoint(const Point& centre, const Point& rim, double angle) {
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    const double w = (centre.x + s * rim.z) + c * rim.y;
    const double l = (centre.y + s * rim.x) + c * rim.z;
    const double h = (centre.z + s * rim.y) + c * rim.x;
    return {TruncateToInt32(w), TruncateToInt32(l), TruncateToInt32(h)};
}

std::string PanelLine(const std::array<Point, 4>& points, const CylinderSurfaceLook& look) {
    char line[256];
    const int length = std::snprintf(
        line, sizeof line, "\tFill %d/%d/%d %d/%d/%d %d/%d/%d %d/%d/%d %d:%d:%d %c\r\n",
        points[0].x, points[0].y, points[0].z, points[1].x, points[1].y, points[1].z, points[2].x,
        points[2].y, points[2].z, points[3].x, points[3].y, points[3].z, look.red, look.green,
        look.blue, CylinderMarker(look));
    return std::string(line, static_cast<std::size_t>(length));
}

}  // namespace

std::int32_t MostCylinderSteps(const CylinderParameters& parameters) {
    const int surfaces =
        int(parameters.endA.solid) + int(parameters.mantle) + int(parameters.endB.solid);
    return surfaces == 0 ? INT32_MAX : kMostCylinderPanelLines / surfaces;
}

char CylinderMarker(const CylinderSurfaceLook& look) {
    if (look.doubleSided) return '=';
    if (look.singleSided) return '$';
    return ' ';
}

std::vector<CylinderPiece> CylinderPieces(const CylinderParameters& parameters) {
    const CylinderEnd& a = parameters.endA;
    const CylinderEnd& b = parameters.endB;
    const Point axis{WrapSubtract(a.centre.x, b.centre.x), WrapSubtract(a.centre.y, b.centre.y),
                     WrapSubtract(a.centre.z, b.centre.z)};
    const std::int32_t sumOfSquares =
        WrapAdd(WrapAdd(WrapMultiply(axis.x, axis.x), WrapMultiply(axis.y, axis.y)),
                WrapMultiply(axis.z, axis.z));
    std::int32_t axisLength = TruncateToInt32(std::sqrt(static_cast<double>(sumOfSquares)));
    if (axisLength == 0) axisLength = a.radius;
    const Point rimA = RimVector(axis, axisLength, a.radius);
    const Point rimB = RimVector(axis, axisLength, b.radius);

    const std::int32_t steps = parameters.steps;
    const double step = steps > 0 ? model::kTwoPi6283 / steps : 0.0;
    std::vector<CylinderPiece> pieces;
    // One line per step from angle t0 to t1; the last step closes the ring on the
    // very point the first one started from.
    auto addRing = [&](const CylinderSurfaceLook& look, auto cornersAt) {
        for (std::int32_t i = 0; i < steps; ++i) {
            const double t0 = i * step;
            const double t1 = i == steps - 1 ? 0.0 : (i + 1) * step;
            pieces.push_back({PanelLine(cornersAt(t0, t1), look), true});
        }
    };
    // Each end panel gives its centre twice: a triangle of the fan.
    auto fan = [](const Point& centre, const Point& rim) {
        return [centre, rim](double t0, double t1) {
            return std::array{centre, centre, RimPoint(centre, rim, t0), RimPoint(centre, rim, t1)};
        };
    };

    if (a.solid) addRing(a.look, fan(a.centre, rimA));
    pieces.push_back({"\r\n", false});
    if (parameters.mantle) {
        addRing(parameters.mantleLook, [&](double t0, double t1) {
            return std::array{RimPoint(a.centre, rimA, t0), RimPoint(a.centre, rimA, t1),
                              RimPoint(b.centre, rimB, t1), RimPoint(b.centre, rimB, t0)};
        });
    }
    pieces.push_back({"\r\n", false});
    if (b.solid) addRing(b.look, fan(b.centre, rimB));
    return pieces;
}

RewriteResult Cylinders(std::string_view text, Selection selection,
                        const CylinderParameters& parameters) {
    selection = ClampSelection(selection, text.size());
    const auto pieces = CylinderPieces(parameters);
    // Once the first piece is in, nothing is selected and every later piece
    // follows the one before: the pieces make one insertion.
    if (pieces.front().cancelsSelection) selection.start = selection.end;
    std::string inserted;
    for (const auto& piece : pieces)
        inserted += piece.text;
    auto result = RewriteResult::Replace(selection, std::move(inserted));
    result.repaintsPreview = false;
    return result;
}

void InsertCylinders(TextBuffer& buffer, const CylinderParameters& parameters) {
    for (const auto& piece : CylinderPieces(parameters)) {
        const Selection selection = buffer.CurrentSelection();
        if (piece.cancelsSelection && selection.start != selection.end)
            buffer.SetSelection({selection.end, selection.end});
        buffer.ReplaceSelection(piece.text);
    }
}

}  // namespace lumtrak::tools

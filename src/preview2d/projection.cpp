#include "preview2d/projection.h"

#include <cmath>

#include "model/approximate_pi.h"
#include "model/problem_sink.h"
#include "model/wrapping.h"

namespace lumtrak::preview2d {

using model::WrapAbs;
using model::WrapAdd;
using model::WrapDivide;
using model::WrapMultiply;
using model::WrapNegate;
using model::WrapSubtract;

namespace {

// Three tenths of the wheelbase: the scale of the rotation and the divisor of
// the projection.
std::int32_t ThreeTenths(std::int32_t value) {
    return WrapDivide(WrapMultiply(3, value), 10);
}

// Whether the entry of the side that the view looks at is cleared. The view
// tests the entry of the quadrant that dominates; on an exact diagonal none.
bool FacesAway(const model::SideMask& sides, std::int32_t p, std::int32_t q) {
    const std::int32_t absP = WrapAbs(p);
    const std::int32_t absQ = WrapAbs(q);
    if (p < 0 && WrapNegate(p) > absQ && sides.entries[1] == 0) return true;
    if (p >= 0 && p > absQ && sides.entries[3] == 0) return true;
    if (q < 0 && WrapNegate(q) > absP && sides.entries[0] == 0) return true;
    if (q >= 0 && q > absP && sides.entries[2] == 0) return true;
    return false;
}

// Moves one end of a line by its swing amplitude at the given phase angle.
void SwingEnd(model::PanelVertex& end, const model::PanelVertex& amplitude, double angle) {
    const double sine = std::sin(angle);
    const double cosine = std::cos(angle);
    end.x = model::Low16(end.x + static_cast<std::int32_t>(sine * amplitude.x));
    end.y = model::Low16(end.y + static_cast<std::int32_t>(sine * amplitude.y));
    end.z = model::Low16(end.z + static_cast<std::int32_t>(cosine * amplitude.z));
}

void SwingLineEnds(std::array<model::PanelVertex, 4>& vertices, const model::Panel& line,
                   std::int32_t frame) {
    const double phase = double(WrapMultiply(frame, 5)) / double(line.period);
    SwingEnd(vertices[0], vertices[2], line.phase1 + phase);
    SwingEnd(vertices[1], vertices[3], line.phase2 + phase);
}

struct DepthKeys {
    std::int32_t z = 0;
    std::int32_t k = 0;
};

// Turns model points into screen points around the centre.
struct Projector {
    std::int32_t cx;
    std::int32_t cy;
    std::int32_t p;
    std::int32_t q;
    ProjectionScale scale;

    DepthKeys Project(std::array<model::PanelVertex, 4>& vertices) const {
        DepthKeys keys;
        for (model::PanelVertex& vertex : vertices) {
            const std::int32_t along = WrapSubtract(vertex.y, scale.h);
            const std::int32_t u = WrapAdd(WrapDivide(WrapMultiply(along, p), scale.d),
                                           WrapDivide(WrapMultiply(vertex.x, q), scale.d));
            const std::int32_t v = WrapSubtract(WrapDivide(WrapMultiply(along, q), scale.d),
                                                WrapDivide(WrapMultiply(vertex.x, p), scale.d));
            keys.z = WrapAdd(keys.z, vertex.z);
            keys.k = WrapAdd(keys.k, WrapSubtract(WrapAdd(u, v), vertex.z));
            const IsoOffset offset = IsoProject(u, v);
            vertex.screenX = model::Low16(WrapAdd(offset.x, cx));
            vertex.screenY = model::Low16(WrapSubtract(WrapAdd(offset.y, cy), vertex.z));
        }
        return keys;
    }
};

// Tells problems of every panel from first on that the view would have drawn.
void ReportLeftOut(const model::Panel* first, std::int32_t p, std::int32_t q,
                   model::ProblemSink& problems) {
    for (const model::Panel* panel = first; panel != nullptr; panel = panel->next.get()) {
        if (!FacesAway(panel->sides, p, q)) problems.PanelLeftOut(*panel);
    }
}

DepthRecord RecordOf(const model::Panel& panel) {
    DepthRecord record;
    record.kind = panel.kind;
    record.vertices = panel.vertices;
    record.colour = panel.colour;
    record.subPanels = panel.subPanels.get();
    return record;
}

}  // namespace

double ViewAngle(ViewDirection direction, bool rotate, std::uint32_t tick) {
    if (rotate) return (double(tick % 9000u) * model::kTwoPi6282) / 9000.0;
    switch (direction) {
        case ViewDirection::Back:
            return model::kPi3141;
        case ViewDirection::Right:
            return model::kHalfPi15705;
        case ViewDirection::Left:
            return model::kThreeHalvesPi47115;
        case ViewDirection::Front:
            break;
    }
    return 0.0;
}

Rotation RotationFor(double angle, std::int32_t wheelbase) {
    const double scale = wheelbase == 0 ? 120.0 : double(ThreeTenths(wheelbase));
    return {static_cast<std::int32_t>(0.0 - std::sin(angle) * scale),
            static_cast<std::int32_t>(std::cos(angle) * scale)};
}

ProjectionScale ScaleFor(std::int32_t wheelbase, std::int32_t length) {
    const std::int32_t d = ThreeTenths(wheelbase);
    return {d == 0 ? 120 : d, ThreeTenths(length) / 2};
}

IsoOffset IsoProject(std::int32_t u, std::int32_t v) {
    // The scale 14, halved.
    const std::int32_t a = WrapMultiply(7, u);
    const std::int32_t b = WrapMultiply(-7, v);
    return {WrapAdd(a, b) / 10, (WrapSubtract(b, a) / 2) / 10};
}

void ProjectModel(model::StockModel& model, DepthPool& pool, std::int32_t cx, std::int32_t cy,
                  std::int32_t p, std::int32_t q, std::int32_t frame,
                  model::ProblemSink* problems) {
    const Projector projector{cx, cy, p, q, ScaleFor(model.wheelbase, model.length)};
    for (model::Panel* panel = model.mainList.get(); panel != nullptr; panel = panel->next.get()) {
        // A full pool takes no more records: what follows is not drawn, and
        // large models need not be projected to the end of their list.
        if (pool.Count() == DepthPool::kUsable) {
            if (problems != nullptr) ReportLeftOut(panel, p, q, *problems);
            break;
        }
        if (FacesAway(panel->sides, p, q)) continue;
        DepthRecord record = RecordOf(*panel);
        if (panel->kind == model::PanelKind::Line && panel->period != 0) {
            SwingLineEnds(record.vertices, *panel, frame);
        }
        const DepthKeys keys = projector.Project(record.vertices);
        record.depthZ = model::Low16(keys.z);
        record.depthK = model::Low16(keys.k);
        pool.Insert(record);
        for (model::Panel* sub = panel->subPanels.get(); sub != nullptr; sub = sub->next.get()) {
            projector.Project(sub->vertices);
        }
    }
}

}  // namespace lumtrak::preview2d

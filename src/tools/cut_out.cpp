#include "tools/cut_out.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "model/characters.h"
#include "tools/point_text.h"

namespace lumtrak::tools {
namespace {

using Panel = std::array<Point, 4>;

// Each value follows a field step: the first one steps from the end of the
// keyword over the delimiter, the later ones over the value before.
Point ReadPointAfterSteps(const DefinitionText& text, Cursor& cursor) {
    auto next = [&] {
        SkipValueField(text, cursor);
        return model::ReadInteger(text, cursor);
    };
    const std::int32_t x = next();
    const std::int32_t y = next();
    const std::int32_t z = next();
    return {x, y, z};
}

struct Panels {
    std::array<Panel, 2> panels;
    std::string outerTail;  // what follows the outer panel's points on its line
};

// The first two Fill panels from the start of range, or none if there are fewer.
std::optional<Panels> ReadTwoPanels(const DefinitionText& text, Selection range) {
    Panels found;
    int count = 0;
    Cursor cursor = range.start;
    while (cursor < range.end && count < 2) {
        if (!model::StartsWithIgnoringCase(text, cursor, "fill")) {
            ++cursor;
            continue;
        }
        cursor += 4;
        Panel& panel = found.panels[static_cast<std::size_t>(count)];
        for (Point& point : panel)
            point = ReadPointAfterSteps(text, cursor);
        if (count == 0) {
            SkipValueField(text, cursor, FieldEnd::KeepHighBytes);
            const Cursor tail = cursor;
            while (cursor < range.end && !model::IsLineEnd(text[cursor]))
                ++cursor;
            if (cursor > tail) found.outerTail = text.Bytes().substr(tail, cursor - tail);
        }
        ++count;
    }
    if (count < 2) return std::nullopt;
    return found;
}

enum class Axis { W, L, H };

std::int32_t On(const Point& point, Axis axis) {
    switch (axis) {
        case Axis::W:
            return point.x;
        case Axis::L:
            return point.y;
        case Axis::H:
            break;
    }
    return point.z;
}

// The first axis, W before L before H, on which all eight points share the
// value of the outer panel's first point.
std::optional<Axis> CommonPlane(const std::array<Panel, 2>& panels) {
    for (Axis axis : {Axis::W, Axis::L, Axis::H}) {
        const std::int32_t plane = On(panels[0][0], axis);
        const bool common = std::all_of(panels.begin(), panels.end(), [&](const Panel& panel) {
            return std::all_of(panel.begin(), panel.end(),
                               [&](const Point& point) { return On(point, axis) == plane; });
        });
        if (common) return axis;
    }
    return std::nullopt;
}

// The two axes within the plane, u and v.
std::array<Axis, 2> InPlane(Axis plane) {
    switch (plane) {
        case Axis::W:
            return {Axis::L, Axis::H};
        case Axis::L:
            return {Axis::W, Axis::H};
        case Axis::H:
            break;
    }
    return {Axis::W, Axis::L};
}

struct Extent {
    std::int32_t u0, u1, v0, v1;
};

Extent ExtentOf(const Panel& panel, Axis u, Axis v) {
    Extent extent{On(panel[0], u), On(panel[0], u), On(panel[0], v), On(panel[0], v)};
    for (const Point& point : panel) {
        extent.u0 = std::min(extent.u0, On(point, u));
        extent.u1 = std::max(extent.u1, On(point, u));
        extent.v0 = std::min(extent.v0, On(point, v));
        extent.v1 = std::max(extent.v1, On(point, v));
    }
    return extent;
}

}  // namespace

RewriteResult CutOut(std::string_view text, Selection selection) {
    selection = ClampSelection(selection, text.size());
    const auto found = ReadTwoPanels(DefinitionText(text), selection);
    if (!found) return RewriteResult::Unchanged(selection);
    const auto plane = CommonPlane(found->panels);
    if (!plane) {
        auto result = RewriteResult::Unchanged(selection);
        result.messages.push_back(
            {std::string(platform::kEditorCaption), std::string(kNoCoPlaneMessage)});
        return result;
    }

    const std::int32_t c = On(found->panels[0][0], *plane);
    const auto [u, v] = InPlane(*plane);
    const Extent outer = ExtentOf(found->panels[0], u, v);
    const Extent hole = ExtentOf(found->panels[1], u, v);
    auto pointAt = [&](std::int32_t uValue, std::int32_t vValue) {
        switch (*plane) {
            case Axis::W:
                return Point{c, uValue, vValue};
            case Axis::L:
                return Point{uValue, c, vValue};
            case Axis::H:
                break;
        }
        return Point{uValue, vValue, c};
    };
    struct Corner {
        std::int32_t u, v;
    };
    // The bands below and above the hole across the whole outer width, then the
    // bands to its left and right between them.
    const std::array<std::array<Corner, 4>, 4> bands = {{
        {{{outer.u0, outer.v0}, {outer.u1, outer.v0}, {outer.u1, hole.v0}, {outer.u0, hole.v0}}},
        {{{outer.u0, hole.v1}, {outer.u1, hole.v1}, {outer.u1, outer.v1}, {outer.u0, outer.v1}}},
        {{{outer.u0, hole.v0}, {hole.u0, hole.v0}, {hole.u0, hole.v1}, {outer.u0, hole.v1}}},
        {{{hole.u1, hole.v0}, {outer.u1, hole.v0}, {outer.u1, hole.v1}, {hole.u1, hole.v1}}},
    }};
    std::string out;
    for (const auto& band : bands) {
        out += "\tFill ";
        for (const Corner& corner : band)
            AppendPoint(out, pointAt(corner.u, corner.v));
        out += found->outerTail;
        out += "\r\n";
    }
    return RewriteResult::Replace(selection, std::move(out));
}

}  // namespace lumtrak::tools

#include "preview2d/polygon_fill.h"

#include <algorithm>
#include <cstdint>

#include "preview2d/fixed_point.h"

namespace lumtrak::preview2d {
namespace {

using fixed::Fixed;
using fixed::kHalf;
using fixed::kOne;
using fixed::Plus;
using fixed::Times;
using fixed::Truncate;
using fixed::Wrap;

constexpr std::int64_t FixedOf(std::int32_t whole) {
    return std::int64_t(whole) * kOne;
}

constexpr Fixed Multiply(Fixed a, std::int64_t b) {
    return Wrap((std::int64_t(a) * b) >> 16);
}

// An edge over the rows top to bottom (both included): x is where it crosses
// the first row's centre, plus one half, and changes by step from row to row.
struct Edge {
    Fixed x = 0;
    Fixed step = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
};

// The edges of the figures within the rows top to bottom, with the parts left
// and right of the picture replaced by upright edges on its sides.
class EdgeList {
  public:
    EdgeList(std::int32_t top, std::int32_t bottom, std::int32_t width)
        : top_(top), bottom_(bottom), left_(0), right_(Wrap(FixedOf(width))) {}

    void Add(CanvasPoint a, CanvasPoint b);
    const std::vector<Edge>& Edges() const { return edges_; }

  private:
    // Clips the edge against the upright side at x = side. Gives true when
    // nothing of it is left to add.
    bool Clip(Fixed& x, std::int32_t& top, std::int32_t& bottom, Fixed step, Fixed side);
    void AddUpright(Fixed x, std::int32_t top, std::int32_t bottom) {
        edges_.push_back({x, 0, top, bottom});
    }

    std::int32_t top_;
    std::int32_t bottom_;
    Fixed left_;
    Fixed right_;
    std::vector<Edge> edges_;
};

void EdgeList::Add(CanvasPoint a, CanvasPoint b) {
    if (a.y > b.y) std::swap(a, b);
    std::int32_t top = std::max(top_, a.y);
    std::int32_t bottom = std::min(bottom_, b.y - 1);
    if (top > bottom) return;
    const Fixed start = Wrap(FixedOf(a.x) + kHalf);
    if (a.x == b.x) {
        AddUpright(std::clamp(start, left_, right_), top, bottom);
        return;
    }
    const double slope = double(std::int64_t(b.x) - a.x) / double(std::int64_t(b.y) - a.y);
    const Fixed step = Truncate(slope * kOne);
    Fixed x = Plus(start, Multiply(step, FixedOf(top) + kHalf - FixedOf(a.y)));
    if (Clip(x, top, bottom, step, left_)) return;
    if (Clip(x, top, bottom, step, right_)) return;
    edges_.push_back({x, step, top, bottom});
}

bool EdgeList::Clip(Fixed& x, std::int32_t& top, std::int32_t& bottom, Fixed step, Fixed side) {
    const bool right = side == right_;
    if (x == side) {
        if ((step > 0) ^ right) return false;
        AddUpright(side, top, bottom);
        return true;
    }
    const Fixed last = Plus(x, Times(step, bottom - top));
    if (last == side) {
        if ((step < 0) ^ right) return false;
        AddUpright(side, top, bottom);
        return true;
    }
    if ((last < side) ^ (x < side)) {
        // The edge crosses the side: the rows outside go onto the side.
        const Fixed rows = Truncate(double(Wrap(std::int64_t(side) - x)) / (double(step) / kOne));
        if ((x < side) ^ right) {
            const std::int32_t height = Plus(rows, 1) >> 16;
            const std::int32_t middle = top + height;
            AddUpright(side, top, middle);
            if (middle == bottom) return true;
            x = Plus(x, Times(step, height + 1));
            top = middle + 1;
        } else {
            const std::int32_t height = rows >> 16;
            const std::int32_t middle = top + height;
            if (middle != bottom) {
                AddUpright(side, middle + 1, bottom);
                bottom = middle;
            }
        }
        return false;
    }
    if ((x < side) ^ right) {
        AddUpright(side, top, bottom);
        return true;
    }
    return false;
}

}  // namespace

void FillOddEven(std::span<const std::vector<CanvasPoint>> figures, std::uint32_t pixel,
                 RasterPicture& picture) {
    std::int32_t minX = INT32_MAX, maxX = INT32_MIN, minY = INT32_MAX, maxY = INT32_MIN;
    for (const auto& figure : figures) {
        for (const CanvasPoint& point : figure) {
            minX = std::min(minX, point.x);
            maxX = std::max(maxX, point.x);
            minY = std::min(minY, point.y);
            maxY = std::max(maxY, point.y);
        }
    }
    // Nothing of a figure without area or outside the picture is filled.
    if (minX >= maxX || minY >= maxY) return;
    if (minX >= picture.width || maxX <= 0 || minY >= picture.height || maxY <= 0) return;
    const std::int32_t top = std::max(0, minY);
    const std::int32_t bottom = std::min(picture.height - 1, maxY - 1);
    if (top > bottom) return;

    EdgeList list(top, bottom, picture.width);
    for (const auto& figure : figures) {
        for (std::size_t i = 0; i < figure.size(); ++i)
            list.Add(figure[i], figure[(i + 1) % figure.size()]);
    }
    std::vector<Edge> edges = list.Edges();
    std::vector<std::int32_t> crossings;
    for (std::int32_t y = top; y <= bottom; ++y) {
        crossings.clear();
        for (Edge& edge : edges) {
            if (y < edge.top || y > edge.bottom) continue;
            crossings.push_back(edge.x >> 16);
            edge.x = Plus(edge.x, edge.step);
        }
        std::sort(crossings.begin(), crossings.end());
        std::uint32_t* row = picture.pixels.data() + std::size_t(y) * std::size_t(picture.width);
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const std::int32_t from = std::max(0, crossings[i]);
            const std::int32_t to = std::min(picture.width, crossings[i + 1]);
            if (from < to) std::fill(row + from, row + to, pixel);
        }
    }
}

}  // namespace lumtrak::preview2d

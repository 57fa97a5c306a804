#include "preview2d/pixel_lines.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <utility>

#include "preview2d/fixed_point.h"

namespace lumtrak::preview2d {
namespace {

enum Direction : int {
    kNoDirection = 0,
    kTopToBottom = 0x1,
    kBottomToTop = 0x2,
    kLeftToRight = 0x4,
    kRightToLeft = 0x8,
    kUpright = 0x3,
    kLevel = 0xC,
};

enum Caps : int { kNoCaps = 0, kCapBegin = 0x1, kCapEnd = 0x2 };

struct Pixel {
    std::int32_t x = INT_MIN;  // INT_MIN: none
    std::int32_t y = INT_MIN;
    bool operator==(const Pixel&) const = default;
};

// A line in 26.6 fixed point along its major axis a, from a1 to a2 (a1 < a2),
// b across it; reversed when it runs up or to the left.
struct AxisLine {
    bool upright = false;
    bool reversed = false;
    std::int32_t a1 = 0, a2 = 0, b1 = 0, b2 = 0;

    Direction Heading() const {
        if (upright) return reversed ? kBottomToTop : kTopToBottom;
        return reversed ? kRightToLeft : kLeftToRight;
    }
    Pixel At(std::int32_t a, std::int32_t b) const { return upright ? Pixel{b, a} : Pixel{a, b}; }
};

std::int32_t To26Dot6(double value) {
    return static_cast<std::int32_t>(value * 64.);
}

// The line from (x1, y1) to (x2, y2); none when it has no length along x
// without being upright.
std::optional<AxisLine> AlongMajorAxis(double x1, double y1, double x2, double y2) {
    AxisLine line;
    const std::int32_t fx1 = To26Dot6(x1), fy1 = To26Dot6(y1), fx2 = To26Dot6(x2),
                       fy2 = To26Dot6(y2);
    line.upright = std::abs(fx2 - fx1) < std::abs(fy2 - fy1);
    if (!line.upright && fx1 == fx2) return std::nullopt;
    line.a1 = line.upright ? fy1 : fx1;
    line.a2 = line.upright ? fy2 : fx2;
    line.b1 = line.upright ? fx1 : fy1;
    line.b2 = line.upright ? fx2 : fy2;
    if (line.a1 > line.a2) {
        line.reversed = true;
        std::swap(line.a1, line.a2);
        std::swap(line.b1, line.b2);
    }
    return line;
}

// The pixels of a line: major coordinates first to end (excluded), b the minor
// coordinate at first in 16.16 and increment its change per pixel.
struct Run {
    std::int32_t first = 0;
    std::int32_t end = 0;
    std::int32_t b = 0;
    std::int32_t increment = 0;

    std::int32_t LastB() const {
        return fixed::Plus(b, fixed::Times(end - first - 1, increment)) >> 16;
    }
    bool AxisAligned() const { return std::abs(increment) < (1 << 14); }
};

// The run of line, a square end half a pixel long on either end that caps asks for.
Run RunOf(const AxisLine& line, int caps) {
    Run run;
    std::int32_t a1 = line.a1;
    std::int32_t a2 = line.a2;
    run.increment = static_cast<std::int32_t>(std::int64_t(line.b2 - line.b1) * 65536 / (a2 - a1));
    run.b = fixed::Times(line.b1, 1 << 10);
    if (caps & kCapBegin) {
        a1 -= 32;
        run.b = fixed::Plus(run.b, -(run.increment >> 1));
    }
    if (caps & kCapEnd) a2 += 32;
    run.first = (a1 + 32) >> 6;
    run.end = (a2 + 32) >> 6;
    // The minor coordinate at the first pixel: rising lines are taken at its
    // centre, the others at its start.
    const std::int32_t round = run.increment > 0 ? 32 : 0;
    run.b = fixed::Plus(run.b, fixed::Times(run.first * (1 << 6) + round - a1, run.increment) >> 6);
    return run;
}

int SwapCaps(int caps) {
    return ((caps & kCapBegin) << 1) | ((caps & kCapEnd) >> 1);
}

// Draws the lines of one figure, keeping where and which way the last went.
class LineStepper {
  public:
    LineStepper(std::uint32_t pixel, RasterPicture& picture)
        : pixel_(pixel), picture_(picture), xMax_(picture.width + 1), yMax_(picture.height + 1) {}

    // Takes the heading and last pixel of a closed figure's last line, so that
    // its first line joins it.
    void TakeLastLine(CanvasPoint from, CanvasPoint to);
    void Draw(CanvasPoint from, CanvasPoint to, int caps);

  private:
    // Clips the line to a pixel around the picture; gives true when nothing is
    // left. A clipped end leaves no last pixel to join.
    bool ClipLine(double& x1, double& y1, double& x2, double& y2);
    void Plot(Pixel at) {
        if (at.x < 0 || at.y < 0 || at.x >= picture_.width || at.y >= picture_.height) return;
        picture_.pixels[std::size_t(at.y) * std::size_t(picture_.width) + std::size_t(at.x)] =
            pixel_;
    }

    std::uint32_t pixel_;
    RasterPicture& picture_;
    static constexpr double kMin = -1;
    double xMax_, yMax_;
    Pixel lastPixel_;
    int lastHeading_ = kNoDirection;
    bool lastAxisAligned_ = false;
};

bool LineStepper::ClipLine(double& x1, double& y1, double& x2, double& y2) {
    auto clipped = [this] {
        lastPixel_.x = INT_MIN;
        return true;
    };
    if (x1 < kMin) {
        if (x2 <= kMin) return clipped();
        y1 += (y2 - y1) / (x2 - x1) * (kMin - x1);
        x1 = kMin;
    } else if (x1 > xMax_) {
        if (x2 >= xMax_) return clipped();
        y1 += (y2 - y1) / (x2 - x1) * (xMax_ - x1);
        x1 = xMax_;
    }
    if (x2 < kMin) {
        lastPixel_.x = INT_MIN;
        y2 += (y2 - y1) / (x2 - x1) * (kMin - x2);
        x2 = kMin;
    } else if (x2 > xMax_) {
        lastPixel_.x = INT_MIN;
        y2 += (y2 - y1) / (x2 - x1) * (xMax_ - x2);
        x2 = xMax_;
    }
    if (y1 < kMin) {
        if (y2 <= kMin) return clipped();
        x1 += (x2 - x1) / (y2 - y1) * (kMin - y1);
        y1 = kMin;
    } else if (y1 > yMax_) {
        if (y2 >= yMax_) return clipped();
        x1 += (x2 - x1) / (y2 - y1) * (yMax_ - y1);
        y1 = yMax_;
    }
    if (y2 < kMin) {
        lastPixel_.x = INT_MIN;
        x2 += (x2 - x1) / (y2 - y1) * (kMin - y2);
        y2 = kMin;
    } else if (y2 > yMax_) {
        lastPixel_.x = INT_MIN;
        x2 += (x2 - x1) / (y2 - y1) * (yMax_ - y2);
        y2 = yMax_;
    }
    return false;
}

void LineStepper::TakeLastLine(CanvasPoint from, CanvasPoint to) {
    lastPixel_ = {};
    double x1 = from.x, y1 = from.y, x2 = to.x, y2 = to.y;
    if (ClipLine(x1, y1, x2, y2)) return;
    const auto line = AlongMajorAxis(x1, y1, x2, y2);
    if (!line) return;
    const Run run = RunOf(*line, kNoCaps);
    if (run.first == run.end) return;
    lastPixel_ =
        line->reversed ? line->At(run.first, run.b >> 16) : line->At(run.end - 1, run.LastB());
    lastHeading_ = line->Heading();
    lastAxisAligned_ = run.AxisAligned();
}

void LineStepper::Draw(CanvasPoint from, CanvasPoint to, int caps) {
    double x1 = from.x, y1 = from.y, x2 = to.x, y2 = to.y;
    if (ClipLine(x1, y1, x2, y2)) return;
    const auto line = AlongMajorAxis(x1, y1, x2, y2);
    if (!line) return;
    const Direction heading = line->Heading();
    if (line->reversed) caps = SwapCaps(caps);
    // A line that turns back on the last one gets a square end at the turn.
    const int axis = line->upright ? kUpright : kLevel;
    if ((lastHeading_ ^ axis) == heading) caps |= line->reversed ? kCapEnd : kCapBegin;
    Run run = RunOf(*line, caps);
    if (run.first == run.end) return;

    // The first and last pixels in the line's own direction.
    Pixel first = line->At(run.first, run.b >> 16);
    Pixel last = line->At(run.end - 1, run.LastB());
    if (line->reversed) std::swap(first, last);

    const bool axisAligned = run.AxisAligned();
    if (lastPixel_.x != INT_MIN) {
        const std::int32_t apartX = std::abs(lastPixel_.x - first.x);
        const std::int32_t apartY = std::abs(lastPixel_.y - first.y);
        if (first == lastPixel_) {
            // The joint's pixel is drawn once.
            if (line->reversed) {
                --run.end;
            } else {
                ++run.first;
                run.b = fixed::Plus(run.b, run.increment);
            }
        } else if (lastHeading_ != heading &&
                   ((axisAligned && lastAxisAligned_ && lastPixel_.x != first.x &&
                     lastPixel_.y != first.y) ||
                    apartX > 1 || apartY > 1)) {
            // A pixel is missing at the turn.
            if (line->reversed) {
                ++run.end;
            } else {
                --run.first;
                run.b = fixed::Plus(run.b, -run.increment);
            }
        } else if (lastHeading_ == heading && apartX <= 1 && apartY > 1) {
            run.b = fixed::Plus(run.b, run.increment >> 1);
            last = line->reversed ? line->At(run.first, run.b >> 16)
                                  : line->At(run.end - 1, run.LastB());
        }
    }
    lastHeading_ = heading;
    lastAxisAligned_ = axisAligned;
    // At least one pixel, also when the joint's pixel was the line's only one.
    std::int32_t a = run.first;
    do {
        Plot(line->At(a, run.b >> 16));
        run.b = fixed::Plus(run.b, run.increment);
    } while (++a < run.end);
    lastPixel_ = last;
}

}  // namespace

void StrokeFigure(std::span<const CanvasPoint> figure, std::uint32_t pixel,
                  RasterPicture& picture) {
    if (figure.size() < 2) return;
    LineStepper stepper(pixel, picture);
    const bool closed = figure.front() == figure.back();
    if (closed) stepper.TakeLastLine(figure[figure.size() - 2], figure.back());
    int caps = closed ? kNoCaps : kCapBegin;
    for (std::size_t i = 1; i < figure.size(); ++i) {
        if (!closed && i + 1 == figure.size()) caps |= kCapEnd;
        stepper.Draw(figure[i - 1], figure[i], caps);
        caps = kNoCaps;
    }
}

}  // namespace lumtrak::preview2d

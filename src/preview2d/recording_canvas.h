#pragma once

#include <optional>
#include <span>
#include <vector>

#include "preview2d/canvas.h"

namespace lumtrak::preview2d {

enum class PaintOp { Fill, Stroke };

// One painted path: a fill (with its outline) or a stroke.
struct PaintRecord {
    PaintOp op = PaintOp::Stroke;
    Colour colour = 0;
    std::vector<CanvasPoint> points;
    bool closed = false;  // the figure was closed before it was painted
    bool operator==(const PaintRecord&) const = default;
};

// Keeps what is painted onto it as records, in painting order.
class RecordingCanvas : public Canvas {
  public:
    void FillBackground(Colour colour) override { background_ = colour; }
    void BeginPath() override;
    void MoveTo(CanvasPoint point) override;
    void LineTo(CanvasPoint point) override;
    void CloseFigure() override { closed_ = true; }
    void EndPath() override {}
    void StrokePath(Colour colour) override;
    void StrokeAndFillPath(Colour colour) override;

    const std::vector<PaintRecord>& Records() const { return records_; }
    std::optional<Colour> Background() const { return background_; }
    void Clear();

  private:
    void Paint(PaintOp op, Colour colour, bool closed);

    std::vector<CanvasPoint> path_;
    bool closed_ = false;
    std::vector<PaintRecord> records_;
    std::optional<Colour> background_;
};

// Paints records onto another canvas as they were first painted.
void ReplayRecords(std::span<const PaintRecord> records, Canvas& canvas);

}  // namespace lumtrak::preview2d

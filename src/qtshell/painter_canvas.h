#pragma once

#include <QPainterPath>

#include "preview2d/canvas.h"

class QPainter;

namespace lumtrak::qtshell {

// Paints the 2D drawing with a QPainter as the original bitmap looks: no
// antialiasing, odd-even fills, cosmetic one-pixel pens.
class PainterCanvas : public preview2d::Canvas {
  public:
    explicit PainterCanvas(QPainter& painter);

    void FillBackground(preview2d::Colour colour) override;
    void BeginPath() override;
    void MoveTo(preview2d::CanvasPoint point) override;
    void LineTo(preview2d::CanvasPoint point) override;
    void CloseFigure() override;
    void EndPath() override {}
    void StrokePath(preview2d::Colour colour) override;
    void StrokeAndFillPath(preview2d::Colour colour) override;

  private:
    QPainter& painter_;
    QPainterPath path_;
};

}  // namespace lumtrak::qtshell

#include "qtshell/painter_canvas.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace lumtrak::qtshell {
namespace {

QColor ColourOf(preview2d::Colour colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QPen OnePixelPen(preview2d::Colour colour) {
    QPen pen(ColourOf(colour));
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PainterCanvas::FillBackground(preview2d::Colour colour) {
    const QPaintDevice* device = painter_.device();
    painter_.fillRect(0, 0, device->width(), device->height(), ColourOf(colour));
}

void PainterCanvas::BeginPath() {
    path_ = QPainterPath();
    path_.setFillRule(Qt::OddEvenFill);
}

void PainterCanvas::MoveTo(preview2d::CanvasPoint point) {
    path_.moveTo(point.x, point.y);
}

void PainterCanvas::LineTo(preview2d::CanvasPoint point) {
    path_.lineTo(point.x, point.y);
}

void PainterCanvas::CloseFigure() {
    path_.closeSubpath();
}

void PainterCanvas::StrokePath(preview2d::Colour colour) {
    painter_.setPen(OnePixelPen(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path_);
    path_ = QPainterPath();
}

void PainterCanvas::StrokeAndFillPath(preview2d::Colour colour) {
    path_.closeSubpath();
    painter_.setPen(OnePixelPen(colour));
    painter_.setBrush(ColourOf(colour));
    painter_.drawPath(path_);
    path_ = QPainterPath();
}

}  // namespace lumtrak::qtshell

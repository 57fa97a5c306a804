#include "preview2d/recording_canvas.h"

namespace lumtrak::preview2d {

void RecordingCanvas::BeginPath() {
    path_.clear();
    closed_ = false;
}

void RecordingCanvas::MoveTo(CanvasPoint point) {
    path_.push_back(point);
}

void RecordingCanvas::LineTo(CanvasPoint point) {
    path_.push_back(point);
}

void RecordingCanvas::StrokePath(Colour colour) {
    Paint(PaintOp::Stroke, colour, closed_);
}

void RecordingCanvas::StrokeAndFillPath(Colour colour) {
    Paint(PaintOp::Fill, colour, true);
}

void RecordingCanvas::Paint(PaintOp op, Colour colour, bool closed) {
    records_.push_back({op, colour, std::move(path_), closed});
    path_.clear();
    closed_ = false;
}

void RecordingCanvas::Clear() {
    path_.clear();
    closed_ = false;
    records_.clear();
    background_.reset();
}

void ReplayRecords(std::span<const PaintRecord> records, Canvas& canvas) {
    for (const PaintRecord& record : records) {
        canvas.BeginPath();
        for (std::size_t i = 0; i < record.points.size(); ++i) {
            if (i == 0) {
                canvas.MoveTo(record.points[i]);
            } else {
                canvas.LineTo(record.points[i]);
            }
        }
        if (record.closed && record.op == PaintOp::Stroke) canvas.CloseFigure();
        canvas.EndPath();
        if (record.op == PaintOp::Fill) {
            canvas.StrokeAndFillPath(record.colour);
        } else {
            canvas.StrokePath(record.colour);
        }
    }
}

}  // namespace lumtrak::preview2d

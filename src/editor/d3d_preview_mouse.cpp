// The 3D preview's mouse: a drag orbits the camera or swings the light, the
// wheel zooms, each by moving the scroll bars, so that the bars always show
// where the camera is. And Reset View, which puts the bars back.
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "editor/camera_control_dialog.h"
#include "editor/d3d_preview.h"

namespace lumtrak::editor {

using preview3d::DragKind;

void D3DPreview::OnMousePress(QMouseEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    std::optional<DragKind> kind;
    if (event->button() == Qt::LeftButton) kind = shift ? DragKind::Light : DragKind::Orbit;
    if (event->button() == Qt::RightButton) kind = DragKind::Light;
    if (!kind || Busy()) {
        event->ignore();
        return;
    }
    const QPoint at = event->position().toPoint();
    mouse_.Press(at.x(), at.y(), *kind);
    RenderingWindow()->setCursor(Qt::ClosedHandCursor);
    RenderingWindow()->setFocus(Qt::MouseFocusReason);
    event->accept();
}

void D3DPreview::OnMouseMove(QMouseEvent* event) {
    if (!mouse_.Dragging() || Busy()) return;
    const QPoint at = event->position().toPoint();
    MoveBars(mouse_.MoveTo(at.x(), at.y()));
}

void D3DPreview::OnMouseRelease(QMouseEvent* event) {
    if (!mouse_.Dragging() || event->buttons() & (Qt::LeftButton | Qt::RightButton)) return;
    OnMouseMove(event);
    mouse_.Release();
    RenderingWindow()->setCursor(Qt::OpenHandCursor);
}

void D3DPreview::OnWheel(QWheelEvent* event) {
    if (Busy()) return;
    MoveBars(mouse_.Wheel(event->angleDelta().y()));
    event->accept();
}

void D3DPreview::MoveBars(const std::vector<preview3d::BarMove>& moves) {
    if (moves.empty()) return;
    for (const preview3d::BarMove& move : moves) {
        session_.Scroll(move.bar, preview3d::ScrollAction::Thumb,
                        session_.ScrollPosition(move.bar) + move.by);
    }
    ShowBarPositions();
    // The picture is rendered once at the next repaint, however many mouse
    // events come before it.
    AfterScroll();
}

void D3DPreview::ResetView() {
    if (Busy()) return;
    session_.ResetView();
    ShowBarPositions();
    AfterScroll();
    UpdateCommandStates();
}

}  // namespace lumtrak::editor

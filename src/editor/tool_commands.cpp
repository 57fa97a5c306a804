// The view's editing tools: each runs its dialog, if it has one, then the tool
// on the view's text and selection, and puts the result back; the 2D preview
// repaints when the tool says so. The tools do not set m_bTextChanged: only
// typing does.
#include <QDialog>

#include "editor/dialogs/cylinder_dialog.h"
#include "editor/dialogs/divide_panel_dialog.h"
#include "editor/dialogs/matrix_transform_dialog.h"
#include "editor/dialogs/panel_count_dialog.h"
#include "editor/dialogs/reflect_dialog.h"
#include "editor/dialogs/shift_dialog.h"
#include "editor/dialogs/stretch_dialog.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/message_box_sink.h"
#include "tools/count_panels.h"
#include "tools/cut_out.h"
#include "tools/panel_tags.h"
#include "tools/point_conversions.h"
#include "tools/reverse_panel.h"
#include "tools/rotate_vertices.h"

namespace lumtrak::editor {
namespace {

using ToolWithoutParameters = tools::RewriteResult (*)(std::string_view, tools::Selection);

// The dialog of type Dialog that serves the whole run: one per main window,
// made at its first use, so that its values carry over from one use to the
// next in every view.
template <typename Dialog>
Dialog& KeptDialog(QWidget& mainWindow) {
    if (auto* dialog = mainWindow.findChild<Dialog*>(QString(), Qt::FindDirectChildrenOnly))
        return *dialog;
    return *new Dialog(&mainWindow);
}

void Commit(CLumtrakStockEditorView& view, const tools::RewriteResult& result) {
    MessageBoxSink messages(view.window());
    tools::CommitRewrite(view, result, messages);
}

void Run(CLumtrakStockEditorView& view, ToolWithoutParameters tool) {
    Commit(view, tool(view.Text(), view.GetSelection()));
}

}  // namespace

void CLumtrakStockEditorView::OnShift() {
    CShiftDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    Commit(*this, tools::Shift(Text(), GetSelection(), dialog.Parameters()));
}

void CLumtrakStockEditorView::OnReflect() {
    CReflectDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    Commit(*this, tools::Reflect(Text(), GetSelection(), dialog.Parameters()));
}

void CLumtrakStockEditorView::OnStretch() {
    CStretchDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    Commit(*this, tools::Stretch(Text(), GetSelection(), dialog.Parameters()));
}

void CLumtrakStockEditorView::OnImperialToMetric() {
    Run(*this, &tools::ImperialToMetric);
}

void CLumtrakStockEditorView::OnMetricToImperial() {
    Run(*this, &tools::MetricToImperial);
}

void CLumtrakStockEditorView::OnRotate90Left() {
    Run(*this, &tools::Rotate90Left);
}

void CLumtrakStockEditorView::OnRotate90Right() {
    Run(*this, &tools::Rotate90Right);
}

void CLumtrakStockEditorView::OnRotatePanelVerticesLeft() {
    Run(*this, &tools::RotatePanelVerticesLeft);
}

void CLumtrakStockEditorView::OnRotatePanelVerticesRight() {
    Run(*this, &tools::RotatePanelVerticesRight);
}

void CLumtrakStockEditorView::OnReversePanel() {
    Run(*this, &tools::ReversePanel);
}

void CLumtrakStockEditorView::OnMatrixTransformation() {
    auto& dialog = KeptDialog<CMatrixTransformDialog>(*window());
    if (dialog.exec() != QDialog::Accepted) return;
    Commit(*this, tools::MatrixTransformation(Text(), GetSelection(), dialog.Matrix()));
}

void CLumtrakStockEditorView::OnCylinders() {
    auto& dialog = KeptDialog<CCylinderDialog>(*window());
    if (dialog.exec() != QDialog::Accepted) return;
    // Line by line, each inserted after the one before; the preview is not told.
    tools::InsertCylinders(*this, dialog.Parameters());
}

void CLumtrakStockEditorView::OnDividePanels() {
    CDividePanelDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    Commit(*this, tools::DividePanels(Text(), GetSelection(), dialog.Parameters()));
}

void CLumtrakStockEditorView::OnCutOut() {
    Run(*this, &tools::CutOut);
}

void CLumtrakStockEditorView::OnSetD3DOnly() {
    Run(*this, &tools::SetD3DOnly);
}

void CLumtrakStockEditorView::OnAutoQ() {
    Run(*this, &tools::AutoQ);
}

void CLumtrakStockEditorView::OnCountPanels() {
    const tools::PanelCountResult counted = tools::CountPanels(Text(), GetSelection());
    // With nothing selected the whole text is counted, and stays selected.
    Commit(*this, counted.rewrite);
    CPanelCountDialog dialog(counted.counts, window());
    dialog.exec();
}

}  // namespace lumtrak::editor

// The view's editing tools: each runs its dialog, if it has one, then the tool
// on the view's text and selection, and puts the result back with one
// replacement; the 2D preview repaints when the tool says so. The tools do not
// set m_bTextChanged: only typing does.
#include <QDialog>
#include <algorithm>
#include <functional>

#include "editor/dialogs/cylinder_dialog.h"
#include "editor/dialogs/divide_panel_dialog.h"
#include "editor/dialogs/matrix_transform_dialog.h"
#include "editor/dialogs/panel_count_dialog.h"
#include "editor/dialogs/reflect_dialog.h"
#include "editor/dialogs/shift_dialog.h"
#include "editor/dialogs/stretch_dialog.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/message_box_sink.h"
#include "editor/tool_progress.h"
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

// The bytes that a tool reads: the selection, or the whole text for the tools
// that take it when nothing is selected.
std::size_t BytesToRead(const CLumtrakStockEditorView& view) {
    const tools::Selection selection = view.CurrentSelection();
    return selection.start != selection.end ? selection.end - selection.start : view.Text().size();
}

// Works out the tool's result and puts it back into the view with one
// replacement, showing the wait cursor and the progress while that takes long.
// bytes is what the tool is expected to read or write.
void RunTool(CLumtrakStockEditorView& view, Command command, std::size_t bytes,
             const std::function<tools::RewriteResult()>& rewrite) {
    ToolProgress progress(qobject_cast<CMainFrame*>(view.window()), command);
    progress.Begin(ToolProgress::Step::Rewrite, bytes);
    const tools::RewriteResult result = rewrite();
    progress.Begin(ToolProgress::Step::Replace, result.replacement.size());
    // A message of the tool comes before the text changes, without the wait cursor.
    if (!result.messages.empty()) progress.End();
    MessageBoxSink messages(view.window());
    // Undo puts back the text and the selection from before the command.
    view.EditAsOneStep([&] { tools::CommitRewrite(view, result, messages); });
}

void Run(CLumtrakStockEditorView& view, Command command, ToolWithoutParameters tool) {
    RunTool(view, command, BytesToRead(view),
            [&] { return tool(view.Text(), view.CurrentSelection()); });
}

}  // namespace

void CLumtrakStockEditorView::OnShift() {
    CShiftDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    const tools::ShiftParameters& parameters = dialog.Parameters();
    // Each repeat writes the selection once more.
    const std::size_t passes =
        1 + (parameters.repeat ? std::size_t(std::max(0, parameters.repeatCount)) : 0);
    RunTool(*this, Command::Shift, BytesToRead(*this) * passes,
            [&] { return tools::Shift(Text(), CurrentSelection(), parameters); });
}

void CLumtrakStockEditorView::OnReflect() {
    CReflectDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    RunTool(*this, Command::Reflect, BytesToRead(*this),
            [&] { return tools::Reflect(Text(), CurrentSelection(), dialog.Parameters()); });
}

void CLumtrakStockEditorView::OnStretch() {
    CStretchDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    RunTool(*this, Command::Stretch, BytesToRead(*this),
            [&] { return tools::Stretch(Text(), CurrentSelection(), dialog.Parameters()); });
}

void CLumtrakStockEditorView::OnImperialToMetric() {
    Run(*this, Command::ImperialToMetric, &tools::ImperialToMetric);
}

void CLumtrakStockEditorView::OnMetricToImperial() {
    Run(*this, Command::MetricToImperial, &tools::MetricToImperial);
}

void CLumtrakStockEditorView::OnRotate90Left() {
    Run(*this, Command::Rotate90Left, &tools::Rotate90Left);
}

void CLumtrakStockEditorView::OnRotate90Right() {
    Run(*this, Command::Rotate90Right, &tools::Rotate90Right);
}

void CLumtrakStockEditorView::OnRotatePanelVerticesLeft() {
    Run(*this, Command::RotatePanelVerticesLeft, &tools::RotatePanelVerticesLeft);
}

void CLumtrakStockEditorView::OnRotatePanelVerticesRight() {
    Run(*this, Command::RotatePanelVerticesRight, &tools::RotatePanelVerticesRight);
}

void CLumtrakStockEditorView::OnReversePanel() {
    Run(*this, Command::ReversePanel, &tools::ReversePanel);
}

void CLumtrakStockEditorView::OnMatrixTransformation() {
    auto& dialog = KeptDialog<CMatrixTransformDialog>(*window());
    if (dialog.exec() != QDialog::Accepted) return;
    RunTool(*this, Command::MatrixTransformation, BytesToRead(*this), [&] {
        return tools::MatrixTransformation(Text(), CurrentSelection(), dialog.Matrix());
    });
}

void CLumtrakStockEditorView::OnCylinders() {
    auto& dialog = KeptDialog<CCylinderDialog>(*window());
    if (dialog.exec() != QDialog::Accepted) return;
    // All the lines in one insertion (up to three lines of about 70 bytes a
    // step); the preview is not told.
    const tools::CylinderParameters& parameters = dialog.Parameters();
    RunTool(*this, Command::Cylinders, std::size_t(std::max(0, parameters.steps)) * 3 * 70,
            [&] { return tools::Cylinders(Text(), CurrentSelection(), parameters); });
}

void CLumtrakStockEditorView::OnDividePanels() {
    CDividePanelDialog dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    // Each divided panel comes back as two.
    RunTool(*this, Command::DividePanels, BytesToRead(*this) * 2,
            [&] { return tools::DividePanels(Text(), CurrentSelection(), dialog.Parameters()); });
}

void CLumtrakStockEditorView::OnCutOut() {
    Run(*this, Command::CutOut, &tools::CutOut);
}

void CLumtrakStockEditorView::OnSetD3DOnly() {
    Run(*this, Command::SetD3DOnly, &tools::SetD3DOnly);
}

void CLumtrakStockEditorView::OnAutoQ() {
    Run(*this, Command::AutoQ, &tools::AutoQ);
}

void CLumtrakStockEditorView::OnCountPanels() {
    tools::PanelCounts counts;
    // With nothing selected the whole text is counted, and stays selected.
    RunTool(*this, Command::CountPanels, BytesToRead(*this), [&] {
        tools::PanelCountResult counted = tools::CountPanels(Text(), CurrentSelection());
        counts = counted.counts;
        return std::move(counted.rewrite);
    });
    CPanelCountDialog dialog(counts, window());
    dialog.exec();
}

}  // namespace lumtrak::editor

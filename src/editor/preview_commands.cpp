// The view's Preview menu: opening and closing the 2D preview and the display
// flags that it draws with.
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/preview2d_dialog.h"

namespace lumtrak::editor {

void CLumtrakStockEditorView::OnShowPreview() {
    if (m_pPreview2D) {
        ClosePreview2D();
        return;
    }
    auto* preview = new CPreview2DDlg(window());
    preview->show();
    m_pPreview2D = preview;
    preview->SetView(this);
    // Animate and Show Axis start off in a new window, whatever the menu says.
    preview->SetRotate(m_bRotate);
    preview->SetHighlight(m_bHighlight);
}

void CLumtrakStockEditorView::OnUpdateShowPreview(CommandState& state) {
    state.checked = m_pPreview2D != nullptr;
}

void CLumtrakStockEditorView::OnRotate() {
    m_bRotate = !m_bRotate;
    if (m_pPreview2D) m_pPreview2D->SetRotate(m_bRotate);
}

void CLumtrakStockEditorView::OnUpdateRotate(CommandState& state) {
    state.checked = m_bRotate;
}

void CLumtrakStockEditorView::OnHighlightCurrentPanel() {
    m_bHighlight = !m_bHighlight;
    if (m_pPreview2D) m_pPreview2D->SetHighlight(m_bHighlight);
}

void CLumtrakStockEditorView::OnUpdateHighlightCurrentPanel(CommandState& state) {
    state.checked = m_bHighlight;
}

void CLumtrakStockEditorView::OnAnimate() {
    m_bAnimate = !m_bAnimate;
    if (m_pPreview2D) m_pPreview2D->SetAnimate(m_bAnimate);
}

void CLumtrakStockEditorView::OnUpdateAnimate(CommandState& state) {
    state.checked = m_bAnimate;
}

void CLumtrakStockEditorView::OnShowAxis() {
    m_bShowAxis = !m_bShowAxis;
    if (m_pPreview2D) m_pPreview2D->SetShowAxis(m_bShowAxis);
}

void CLumtrakStockEditorView::OnUpdateShowAxis(CommandState& state) {
    state.checked = m_bShowAxis;
}

}  // namespace lumtrak::editor

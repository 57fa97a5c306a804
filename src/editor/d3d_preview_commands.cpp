// The view's commands of the 3D preview: opening (or letting go of) the
// window and rebuilding its scene.
#include "editor/d3d_preview.h"
#include "editor/lumtrak_stock_editor_view.h"

namespace lumtrak::editor {

void CLumtrakStockEditorView::OnD3DPreview() {
    if (m_pD3DPreview) {
        // The window stays open and keeps working; the next use opens another.
        DetachD3DPreview();
        return;
    }
    auto* preview = new D3DPreview(this, window());
    m_pD3DPreview = preview;
    preview->show();
}

void CLumtrakStockEditorView::OnUpdateD3DPreview(CommandState& state) {
    state.checked = m_pD3DPreview != nullptr;
}

void CLumtrakStockEditorView::OnRefreshPreview() {
    if (m_pD3DPreview) m_pD3DPreview->Refresh();
}

}  // namespace lumtrak::editor

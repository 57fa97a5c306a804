#include "editor/child_frame.h"

#include <QCloseEvent>
#include <QIcon>

#include "editor/editor_icons.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"

namespace lumtrak::editor {

CChildFrame::CChildFrame(CLumtrakStockEditorView* view) : view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowIcon(DocumentIcon(view->GetDocument().GetDocTemplate()));
    setFocusProxy(view);
    connect(&view->GetDocument(), &CLumtrakStockEditorDoc::captionChanged, this,
            &CChildFrame::UpdateCaption);
    UpdateCaption();
}

CChildFrame::~CChildFrame() {
    // The view goes after this frame; the captions it then updates are not ours.
    disconnect(&GetDocument(), nullptr, this, nullptr);
}

CChildFrame* CChildFrame::Of(const CLumtrakStockEditorView& view) {
    for (QObject* parent = view.parent(); parent; parent = parent->parent()) {
        if (auto* frame = qobject_cast<CChildFrame*>(parent)) return frame;
    }
    return nullptr;
}

CLumtrakStockEditorView* CChildFrame::GetActiveView() const {
    return view_;
}

CLumtrakStockEditorDoc& CChildFrame::GetDocument() const {
    return view_->GetDocument();
}

QString CChildFrame::Caption() const {
    const CLumtrakStockEditorDoc& document = GetDocument();
    QString caption = document.GetTitle();
    if (document.Views().size() > 1) {
        caption += QStringLiteral(":%1").arg(document.Views().indexOf(view_) + 1);
    }
    return caption;
}

void CChildFrame::UpdateCaption() {
    setWindowTitle(Caption() + QStringLiteral("[*]"));
    setWindowModified(GetDocument().IsModified());
}

void CChildFrame::CloseWithoutPrompt() {
    closingDocument_ = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!closingDocument_ && !GetDocument().CanCloseFrame(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace lumtrak::editor

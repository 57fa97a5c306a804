#pragma once

#include <QMdiSubWindow>

namespace lumtrak::editor {

class CLumtrakStockEditorDoc;
class CLumtrakStockEditorView;

// The window of one view inside the main window. Its caption is the
// document's title, numbered ":1", ":2"... while the document has several
// windows, and marked while the document is modified.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    // Takes the view as its content; the frame deletes itself when closed.
    explicit CChildFrame(CLumtrakStockEditorView* view);
    ~CChildFrame() override;

    static CChildFrame* Of(const CLumtrakStockEditorView& view);

    CLumtrakStockEditorView* GetActiveView() const;
    CLumtrakStockEditorDoc& GetDocument() const;

    // The document's title, numbered ":1", ":2"... while the document has
    // several windows; without the modified mark.
    QString Caption() const;
    void UpdateCaption();
    // Closes the frame without asking to save (the document is closing).
    void CloseWithoutPrompt();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    CLumtrakStockEditorView* view_;
    bool closingDocument_ = false;
};

}  // namespace lumtrak::editor

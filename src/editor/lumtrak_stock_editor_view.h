#pragma once

#include <Qsci/qsciscintilla.h>

#include <functional>
#include <optional>
#include <string_view>

#include "editor/command_target.h"
#include "model/line_ends.h"
#include "tools/text_buffer.h"

class QsciPrinter;

namespace lumtrak::editor {

class CLumtrakStockEditorDoc;
class CPreview2DDlg;
class D3DPreview;

// The text view of a document: a QScintilla editor in 8-bit mode whose byte
// buffer is the document's text, and the text buffer that the editing tools
// rewrite. It owns what belongs to one editing window: the links to its 2D
// and 3D preview windows, the preview flags and the text-changed flag, and it
// receives the Preview, Translations and Tools commands.
class CLumtrakStockEditorView : public QsciScintilla,
                                public tools::TextBuffer,
                                public CommandTarget {
    Q_OBJECT

  public:
    explicit CLumtrakStockEditorView(CLumtrakStockEditorDoc& document, QWidget* parent = nullptr);
    ~CLumtrakStockEditorView() override;

    CLumtrakStockEditorDoc& GetDocument() const { return document_; }

    // The whole text, byte for byte (followed by a zero byte), valid until the
    // text changes.
    std::string_view Text() const override;
    // Replaces the whole text with bytes, unchanged, as an unmodified text
    // without undo history; new lines then take the text's own line end.
    void LoadText(std::string_view bytes);
    // Shows the text of another view of the same document (New Window).
    void ShareTextOf(CLumtrakStockEditorView& other);
    // The line end that Enter inserts.
    model::LineEnd NewLineEnd() const;

    tools::Selection CurrentSelection() const override;
    // Selects [start, end) (clamped to the text) and scrolls the caret into view.
    void SetSelection(tools::Selection selection) override;
    // Replaces the selection (inserts at the caret when it is empty) in one
    // operation, one undo step; the caret stands after the inserted text with
    // nothing selected. Every editing tool puts its result back through this.
    void ReplaceSelection(std::string_view replacement) override;
    // Makes the changes of edit one undo step: Undo puts back the text and the
    // selection from before it, Redo the text and the selection after it.
    // Steps inside a step are part of it; an edit that changes nothing is no
    // step.
    void EditAsOneStep(const std::function<void()>& edit);
    // Invalidates the 2D preview window, which then redraws from the text.
    void RepaintPreview() override;

    // Called by the 2D preview when it closes, and by "Show Preview".
    void ClosePreview2D();
    // Called by the 3D preview when it closes, and by "D3D Preview"; the window
    // itself is left alone.
    void DetachD3DPreview();

    bool OnCommand(Command command) override;
    std::optional<CommandState> CommandUpdate(Command command) override;

    void PrintRange(QsciPrinter& printer, bool selectionOnly);

    // The clipboard gets the selected bytes whole, NUL bytes included; what
    // the view copied pastes back byte for byte, and text from elsewhere
    // pastes as Windows-1252 with the line end that Enter types.
    void copy() override;
    void cut() override;
    void paste() override;
    // Undo and Redo of a step put its selection back too; the previews learn
    // of the change as they learn of typing.
    void undo() override;
    void redo() override;

    CPreview2DDlg* m_pPreview2D = nullptr;
    D3DPreview* m_pD3DPreview = nullptr;
    bool m_bRotate = false;
    bool m_bShowAxis = false;
    bool m_bHighlight = false;
    bool m_bAnimate = false;
    // Set at every key press in the text; the 3D preview rebuilds its scene
    // when it is activated while the flag is set, and clears it.
    bool m_bTextChanged = false;

  signals:
    // The selection or the text changed in a way that may change which Edit
    // commands are enabled.
    void commandStatesMayChange();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    bool canInsertFromMimeData(const QMimeData* source) const override;
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

  private:
    friend struct ViewCommands;

    // The Preview menu (preview_commands.cpp).
    void OnShowPreview();
    void OnUpdateShowPreview(CommandState& state);
    void OnRotate();
    void OnUpdateRotate(CommandState& state);
    void OnHighlightCurrentPanel();
    void OnUpdateHighlightCurrentPanel(CommandState& state);
    void OnAnimate();
    void OnUpdateAnimate(CommandState& state);
    void OnShowAxis();
    void OnUpdateShowAxis(CommandState& state);

    // The stock index commands of the Tools menu (stock_index_commands.cpp).
    void OnUpdateStockIndex();
    void OnRebuildStockIndex();
    void OnListRequiredFiles();

    // The 3D preview's commands of the Preview menu (d3d_preview_commands.cpp).
    void OnD3DPreview();
    void OnUpdateD3DPreview(CommandState& state);
    void OnRefreshPreview();

    // File > Export 3D Model... (export_model_command.cpp).
    void OnExportModel();

    void OnEditUndo();
    void OnUpdateEditUndo(CommandState& state);
    void OnEditRedo();
    void OnUpdateEditRedo(CommandState& state);
    void OnEditCut();
    void OnEditCopy();
    void OnUpdateNeedSelection(CommandState& state);
    void OnEditPaste();
    void OnUpdateEditPaste(CommandState& state);
    void OnEditFind();
    void OnEditReplace();
    void OnUpdateNeedText(CommandState& state);
    void OnFilePrint();
    void OnFilePrintPreview();

    // The editing tools of the Translations and Tools menus (tool_commands.cpp).
    void OnShift();
    void OnReflect();
    void OnStretch();
    void OnImperialToMetric();
    void OnMetricToImperial();
    void OnRotate90Left();
    void OnRotate90Right();
    void OnRotatePanelVerticesLeft();
    void OnRotatePanelVerticesRight();
    void OnReversePanel();
    void OnMatrixTransformation();
    void OnCylinders();
    void OnDividePanels();
    void OnCutOut();
    void OnSetD3DOnly();
    void OnAutoQ();
    void OnCountPanels();

    // Types text that the editor's own 8-bit input would lose (characters of
    // Windows-1252 above 0xFF, such as the euro sign); false when text has none.
    bool TypeWindows1252(const QString& text);
    // Notes the text changes and the undo steps that the editor reports.
    void OnModified(int type, int token);
    // Runs the editor's undo, or its redo, then shows the selection of the
    // step that it went through.
    void UndoOrRedo(bool redo);

    CLumtrakStockEditorDoc& document_;
    // Changes of the text since the view was made.
    unsigned long changes_ = 0;
    bool inStep_ = false;
    // The selection of the step that the running undo or redo went through.
    std::optional<tools::Selection> stepSelection_;
};

}  // namespace lumtrak::editor

#include "editor/lumtrak_stock_editor_view.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciprinter.h>

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <algorithm>

#include "editor/byte_glyphs.h"
#include "editor/d3d_preview.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/main_frame.h"
#include "editor/preview2d_dialog.h"
#include "editor/syntax_colouring.h"
#include "editor/view_problems.h"
#include "qtshell/windows1252.h"

namespace lumtrak::editor {

// The view's command table: the Preview menu, the stock index, the Edit and
// printing commands of the framework's edit view and the editing tools. "D3D
// Preview" and "Refresh Preview" join it with the 3D preview.
struct ViewCommands {
    using V = CLumtrakStockEditorView;
    static constexpr CommandEntry<V> kTable[] = {
        // The Preview menu.
        {Command::ShowPreview, &V::OnShowPreview, &V::OnUpdateShowPreview},
        {Command::Rotate, &V::OnRotate, &V::OnUpdateRotate},
        {Command::HighlightCurrentPanel, &V::OnHighlightCurrentPanel,
         &V::OnUpdateHighlightCurrentPanel},
        {Command::Animate, &V::OnAnimate, &V::OnUpdateAnimate},
        {Command::ShowAxis, &V::OnShowAxis, &V::OnUpdateShowAxis},
        {Command::D3DPreview, &V::OnD3DPreview, &V::OnUpdateD3DPreview},
        {Command::RefreshPreview, &V::OnRefreshPreview},
        {Command::ExportModel, &V::OnExportModel},
        // The stock index.
        {Command::UpdateStockIndex, &V::OnUpdateStockIndex},
        {Command::RebuildStockIndex, &V::OnRebuildStockIndex},
        {Command::ListRequiredFiles, &V::OnListRequiredFiles},
        {Command::EditUndo, &V::OnEditUndo, &V::OnUpdateEditUndo},
        {Command::EditRedo, &V::OnEditRedo, &V::OnUpdateEditRedo},
        {Command::EditCut, &V::OnEditCut, &V::OnUpdateNeedSelection},
        {Command::EditCopy, &V::OnEditCopy, &V::OnUpdateNeedSelection},
        {Command::EditPaste, &V::OnEditPaste, &V::OnUpdateEditPaste},
        {Command::EditFind, &V::OnEditFind, &V::OnUpdateNeedText},
        {Command::EditReplace, &V::OnEditReplace, &V::OnUpdateNeedText},
        {Command::FilePrint, &V::OnFilePrint},
        {Command::FilePrintPreview, &V::OnFilePrintPreview},
        // The editing tools, always enabled.
        {Command::Shift, &V::OnShift},
        {Command::Reflect, &V::OnReflect},
        {Command::Stretch, &V::OnStretch},
        {Command::ImperialToMetric, &V::OnImperialToMetric},
        {Command::MetricToImperial, &V::OnMetricToImperial},
        {Command::Rotate90Left, &V::OnRotate90Left},
        {Command::Rotate90Right, &V::OnRotate90Right},
        {Command::RotatePanelVerticesLeft, &V::OnRotatePanelVerticesLeft},
        {Command::RotatePanelVerticesRight, &V::OnRotatePanelVerticesRight},
        {Command::ReversePanel, &V::OnReversePanel},
        {Command::MatrixTransformation, &V::OnMatrixTransformation},
        {Command::Cylinders, &V::OnCylinders},
        {Command::DividePanels, &V::OnDividePanels},
        {Command::CutOut, &V::OnCutOut},
        {Command::SetD3DOnly, &V::OnSetD3DOnly},
        {Command::AutoQ, &V::OnAutoQ},
        {Command::CountPanels, &V::OnCountPanels},
    };
};

namespace {

// Copied text keeps its exact bytes under this type, beside the plain text, so
// that pasting it into a view gives the same bytes back.
const QString kBytesMimeType = QStringLiteral("application/x-lumtrak-definition-bytes");

QsciScintilla::EolMode EolModeOf(model::LineEnd lineEnd) {
    switch (lineEnd) {
        case model::LineEnd::Cr:
            return QsciScintilla::EolMac;
        case model::LineEnd::Lf:
            return QsciScintilla::EolUnix;
        case model::LineEnd::CrLf:
            break;
    }
    return QsciScintilla::EolWindows;
}

bool NeedsWindows1252Encoding(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
}

}  // namespace

CLumtrakStockEditorView::CLumtrakStockEditorView(CLumtrakStockEditorDoc& document, QWidget* parent)
    : QsciScintilla(parent), document_(document) {
    setUtf8(false);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (int margin = 0; margin < 5; ++margin)
        setMarginWidth(margin, 0);
    SendScintilla(SCI_SETMARGINLEFT, 0ul, 2l);
    // Long lines wrap at the window's edge; there is nothing to scroll sideways.
    setWrapMode(WrapWord);
    // The text shows no annotations. Visible annotations (QScintilla's default)
    // make every changed line be laid out and measured at once while wrapping
    // is on: seconds for a text of a few megabytes.
    setAnnotationDisplay(AnnotationHidden);
    SendScintilla(SCI_SETHSCROLLBAR, 0ul);
    setSelectionBackgroundColor(palette().color(QPalette::Active, QPalette::Highlight));
    setSelectionForegroundColor(palette().color(QPalette::Active, QPalette::HighlightedText));
    setEolMode(EolWindows);
    PrepareByteCells(*this);
    // Copy, cut, paste, undo and redo reach the view as commands, through the
    // main window's accelerators, as they do from the menus and the toolbar.
    for (auto command : {QsciCommand::SelectionCopy, QsciCommand::SelectionCut, QsciCommand::Paste,
                         QsciCommand::Undo, QsciCommand::Redo}) {
        QsciCommand* bound = standardCommands()->find(command);
        bound->setKey(0);
        bound->setAlternateKey(0);
    }

    new ViewColouring(*this);
    new ViewProblems(*this);

    connect(this, &QsciScintilla::selectionChanged, this,
            &CLumtrakStockEditorView::commandStatesMayChange);
    connect(this, &QsciScintilla::textChanged, this,
            &CLumtrakStockEditorView::commandStatesMayChange);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int token, int) {
                OnModified(type, token);
            });
    document_.AddView(this);
}

CLumtrakStockEditorView::~CLumtrakStockEditorView() {
    if (CPreview2DDlg* preview = std::exchange(m_pPreview2D, nullptr)) delete preview;
    if (D3DPreview* preview = std::exchange(m_pD3DPreview, nullptr)) delete preview;
    document_.RemoveView(this);
}

std::string_view CLumtrakStockEditorView::Text() const {
    const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    const long length = SendScintilla(SCI_GETLENGTH);
    return {bytes, std::size_t(length)};
}

void CLumtrakStockEditorView::LoadText(std::string_view bytes) {
    SendScintilla(SCI_SETUNDOCOLLECTION, 0ul);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.data());
    SendScintilla(SCI_SETUNDOCOLLECTION, 1ul);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    document_.GetUndoSteps().Clear();
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_GOTOPOS, 0ul);
    setEolMode(EolModeOf(model::LineEndForNewLines(bytes)));
}

void CLumtrakStockEditorView::ShareTextOf(CLumtrakStockEditorView& other) {
    setDocument(other.document());
    // The line end belongs to the shared text already; the 8-bit mode is the
    // editor's and must hold for this one too.
    setUtf8(false);
}

model::LineEnd CLumtrakStockEditorView::NewLineEnd() const {
    switch (eolMode()) {
        case EolMac:
            return model::LineEnd::Cr;
        case EolUnix:
            return model::LineEnd::Lf;
        case EolWindows:
            break;
    }
    return model::LineEnd::CrLf;
}

tools::Selection CLumtrakStockEditorView::CurrentSelection() const {
    return {std::size_t(SendScintilla(SCI_GETSELECTIONSTART)),
            std::size_t(SendScintilla(SCI_GETSELECTIONEND))};
}

void CLumtrakStockEditorView::SetSelection(tools::Selection selection) {
    selection = tools::ClampSelection(selection, Text().size());
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(selection.start),
                  static_cast<long>(selection.end));
}

void CLumtrakStockEditorView::ReplaceSelection(std::string_view replacement) {
    // The whole result in one replacement: every change costs the editor work
    // on the whole text, so a result put in line by line took minutes.
    EditAsOneStep([&] {
        const tools::Selection selection = CurrentSelection();
        SendScintilla(SCI_SETTARGETSTART, static_cast<unsigned long>(selection.start));
        SendScintilla(SCI_SETTARGETEND, static_cast<unsigned long>(selection.end));
        SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(replacement.size()),
                      replacement.empty() ? "" : replacement.data());
        SendScintilla(SCI_GOTOPOS,
                      static_cast<unsigned long>(selection.start + replacement.size()));
    });
}

void CLumtrakStockEditorView::EditAsOneStep(const std::function<void()>& edit) {
    if (inStep_) return edit();
    struct Step {
        CLumtrakStockEditorView& view;
        UndoSteps& steps;
        const int token;
        const unsigned long changesBefore;
        explicit Step(CLumtrakStockEditorView& v)
            : view(v),
              steps(v.document_.GetUndoSteps()),
              token(steps.Begin(v.CurrentSelection())),
              changesBefore(v.changes_) {
            view.inStep_ = true;
            view.SendScintilla(SCI_BEGINUNDOACTION);
        }
        ~Step() {
            // The token goes last into the group, and only when the text
            // changed: a group with nothing else in it would be an undo step
            // that does nothing.
            const bool changed = view.changes_ != changesBefore;
            if (changed)
                view.SendScintilla(SCI_ADDUNDOACTION, static_cast<unsigned long>(token), 0l);
            view.SendScintilla(SCI_ENDUNDOACTION);
            steps.End(token, changed ? std::optional(view.CurrentSelection()) : std::nullopt);
            view.inStep_ = false;
        }
    } step(*this);
    edit();
}

void CLumtrakStockEditorView::OnModified(int type, int token) {
    if (type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) ++changes_;
    if (!(type & SC_MOD_CONTAINER)) return;
    const UndoSteps& steps = document_.GetUndoSteps();
    if (type & SC_PERFORMED_UNDO) stepSelection_ = steps.Before(token);
    if (type & SC_PERFORMED_REDO) stepSelection_ = steps.After(token);
}

void CLumtrakStockEditorView::UndoOrRedo(bool redo) {
    stepSelection_.reset();
    const unsigned long changesBefore = changes_;
    if (redo) {
        QsciScintilla::redo();
    } else {
        QsciScintilla::undo();
    }
    // The editor leaves only a caret behind; a step had its selection.
    if (const std::optional<tools::Selection> selection = std::exchange(stepSelection_, {}))
        SetSelection(*selection);
    if (changes_ == changesBefore) return;
    RepaintPreview();
    m_bTextChanged = true;
}

void CLumtrakStockEditorView::undo() {
    UndoOrRedo(false);
}

void CLumtrakStockEditorView::redo() {
    UndoOrRedo(true);
}

void CLumtrakStockEditorView::RepaintPreview() {
    if (m_pPreview2D) m_pPreview2D->Invalidate();
}

void CLumtrakStockEditorView::ClosePreview2D() {
    // The window may be closing itself (its close or its Enter calls this), so
    // it goes once its own handling is over.
    if (CPreview2DDlg* preview = std::exchange(m_pPreview2D, nullptr)) {
        preview->hide();
        preview->deleteLater();
    }
}

void CLumtrakStockEditorView::DetachD3DPreview() {
    m_pD3DPreview = nullptr;
}

bool CLumtrakStockEditorView::OnCommand(Command command) {
    return DispatchCommand<CLumtrakStockEditorView>(*this, ViewCommands::kTable, command);
}

std::optional<CommandState> CLumtrakStockEditorView::CommandUpdate(Command command) {
    return UpdateCommand<CLumtrakStockEditorView>(*this, ViewCommands::kTable, command);
}

void CLumtrakStockEditorView::keyPressEvent(QKeyEvent* event) {
    // Alt with a key is a menu mnemonic or a shortcut, not typing; only the
    // editor's own Alt bindings (Alt+Left...) stay here.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
        !standardCommands()->boundTo(event->key() | int(modifiers))) {
        event->ignore();
        return;
    }
    if (m_pPreview2D) m_pPreview2D->Invalidate();
    m_bTextChanged = true;
    const Qt::KeyboardModifiers commandKeys =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!(event->modifiers() & commandKeys) && TypeWindows1252(event->text())) {
        event->accept();
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

void CLumtrakStockEditorView::inputMethodEvent(QInputMethodEvent* event) {
    if (event->preeditString().isEmpty() && TypeWindows1252(event->commitString())) {
        event->accept();
        return;
    }
    QsciScintilla::inputMethodEvent(event);
}

bool CLumtrakStockEditorView::TypeWindows1252(const QString& text) {
    if (text.isEmpty() || !NeedsWindows1252Encoding(text)) return false;
    const QByteArray bytes = qtshell::EncodeWindows1252(text);
    SendScintilla(SCI_REPLACESEL, 0ul, bytes.constData());
    return true;
}

void CLumtrakStockEditorView::paintEvent(QPaintEvent* event) {
    QsciScintilla::paintEvent(event);
    PaintByteGlyphs(*this, event->rect());
}

void CLumtrakStockEditorView::focusInEvent(QFocusEvent* event) {
    QsciScintilla::focusInEvent(event);
    emit commandStatesMayChange();
}

bool CLumtrakStockEditorView::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasFormat(kBytesMimeType) || source->hasText();
}

QByteArray CLumtrakStockEditorView::fromMimeData(const QMimeData* source, bool& rectangular) const {
    rectangular = false;
    if (source->hasFormat(kBytesMimeType)) return source->data(kBytesMimeType);
    return qtshell::EncodeWindows1252(source->text());
}

QMimeData* CLumtrakStockEditorView::toMimeData(const QByteArray& text, bool rectangular) const {
    auto* copied = new QMimeData;
    copied->setText(qtshell::DecodeWindows1252(text));
    copied->setData(kBytesMimeType, text);
    (void)rectangular;
    return copied;
}

void CLumtrakStockEditorView::copy() {
    const tools::Selection selection = CurrentSelection();
    if (selection.start == selection.end) return;
    const std::string_view bytes = Text().substr(selection.start, selection.end - selection.start);
    QApplication::clipboard()->setMimeData(
        toMimeData(QByteArray(bytes.data(), qsizetype(bytes.size())), false));
}

void CLumtrakStockEditorView::cut() {
    const tools::Selection selection = CurrentSelection();
    if (selection.start == selection.end) return;
    copy();
    EditAsOneStep([this] { SendScintilla(SCI_CLEAR); });
}

void CLumtrakStockEditorView::paste() {
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    if (!clipboard || !canInsertFromMimeData(clipboard)) return;
    std::string bytes;
    if (clipboard->hasFormat(kBytesMimeType)) {
        const QByteArray copied = clipboard->data(kBytesMimeType);
        bytes.assign(copied.constData(), std::size_t(copied.size()));
    } else {
        const QByteArray text = qtshell::EncodeWindows1252(clipboard->text());
        bytes = model::WithLineEnds(std::string_view(text.constData(), std::size_t(text.size())),
                                    NewLineEnd());
    }
    ReplaceSelection(bytes);
}

void CLumtrakStockEditorView::OnEditUndo() {
    undo();
}

void CLumtrakStockEditorView::OnUpdateEditUndo(CommandState& state) {
    state.enabled = isUndoAvailable();
}

void CLumtrakStockEditorView::OnEditRedo() {
    redo();
}

void CLumtrakStockEditorView::OnUpdateEditRedo(CommandState& state) {
    state.enabled = isRedoAvailable();
}

void CLumtrakStockEditorView::OnEditCut() {
    cut();
}

void CLumtrakStockEditorView::OnEditCopy() {
    copy();
}

void CLumtrakStockEditorView::OnUpdateNeedSelection(CommandState& state) {
    const tools::Selection selection = CurrentSelection();
    state.enabled = selection.start != selection.end;
}

void CLumtrakStockEditorView::OnEditPaste() {
    paste();
}

void CLumtrakStockEditorView::OnUpdateEditPaste(CommandState& state) {
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    state.enabled = clipboard && canInsertFromMimeData(clipboard);
}

void CLumtrakStockEditorView::OnEditFind() {
    if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->ShowFindReplace(*this, false);
}

void CLumtrakStockEditorView::OnEditReplace() {
    if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->ShowFindReplace(*this, true);
}

void CLumtrakStockEditorView::OnUpdateNeedText(CommandState& state) {
    state.enabled = !Text().empty();
}

void CLumtrakStockEditorView::PrintRange(QsciPrinter& printer, bool selectionOnly) {
    // The printer draws through the editor's own text drawing, which knows no
    // characters for bytes 0x80 to 0x9F in 8-bit mode; a hidden Unicode copy of
    // the text prints them as their Windows-1252 characters, line for line.
    QsciScintilla copy;
    copy.setUtf8(true);
    copy.setFont(font());
    const std::string_view text = Text();
    const QByteArray unicode =
        qtshell::DecodeWindows1252(QByteArrayView(text.data(), qsizetype(text.size()))).toUtf8();
    copy.SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(unicode.size()),
                       unicode.constData());
    int fromLine = -1;
    int toLine = -1;
    if (selectionOnly && hasSelectedText()) {
        int fromIndex = 0;
        int toIndex = 0;
        getSelection(&fromLine, &fromIndex, &toLine, &toIndex);
    }
    printer.setWrapMode(WrapWord);
    printer.printRange(&copy, fromLine, toLine);
}

void CLumtrakStockEditorView::OnFilePrint() {
    QsciPrinter& printer = CLumtrakStockEditorApp::Instance()->Printer();
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelectedText());
    if (dialog.exec() != QDialog::Accepted) return;
    PrintRange(printer, static_cast<QPrinter&>(printer).printRange() == QPrinter::Selection);
}

void CLumtrakStockEditorView::OnFilePrintPreview() {
    QsciPrinter& printer = CLumtrakStockEditorApp::Instance()->Printer();
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter*) { PrintRange(printer, false); });
    dialog.exec();
}

}  // namespace lumtrak::editor

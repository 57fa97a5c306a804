// The view's stock index commands of the Tools menu: the update from the
// document, the rebuild from the stock folders, and the list of the files that
// the definition under the caret needs.
#include <QApplication>
#include <QFile>
#include <QStatusBar>

#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/message_box_sink.h"
#include "editor/program_texts.h"
#include "editor/required_files_dialog.h"
#include "platform/program_folder.h"
#include "platform/status_sink.h"
#include "qtshell/windows1252.h"
#include "stockindex/rebuild.h"
#include "stockindex/required_files.h"
#include "stockindex/update.h"

namespace lumtrak::editor {
namespace {

QString Characters(std::string_view bytes) {
    return qtshell::DecodeWindows1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// Progress on the main window's status bar, shown at once, since the command
// keeps the event loop waiting until it ends; the wait cursor while it runs.
class StatusBarSink : public platform::StatusSink {
  public:
    explicit StatusBarSink(CMainFrame* frame) : frame_(frame) {}

    void ShowStatus(std::string_view text) override {
        if (!frame_) return;
        frame_->SetMessageText(ProgramText(text));
        frame_->statusBar()->repaint();
    }

    void SetBusy(bool busy) override {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }

  private:
    CMainFrame* frame_;
};

}  // namespace

void CLumtrakStockEditorView::OnUpdateStockIndex() {
    StatusBarSink status(qobject_cast<CMainFrame*>(window()));
    MessageBoxSink messages(window());
    const QByteArray path = QFile::encodeName(GetDocument().GetPathName());
    std::vector<std::string> notes;
    stockindex::UpdateStockIndex(Text(),
                                 std::string_view(path.constData(), std::size_t(path.size())),
                                 platform::ProgramFolder(), messages, status, notes);
    std::string text;
    for (const std::string& note : notes)
        text += (text.empty() ? "" : "; ") + note;
    if (!text.empty()) status.ShowStatus(text);
}

void CLumtrakStockEditorView::OnRebuildStockIndex() {
    StatusBarSink status(qobject_cast<CMainFrame*>(window()));
    MessageBoxSink messages(window());
    std::vector<std::string> notes;
    if (!stockindex::RebuildStockIndex(platform::ProgramFolder(), messages, status, notes)) return;
    // What the walk passed over stays on the status bar after the completion text.
    if (notes.empty()) return;
    std::string text(stockindex::kRebuildComplete);
    for (const std::string& note : notes)
        text += "; " + note;
    status.ShowStatus(text);
}

void CLumtrakStockEditorView::OnListRequiredFiles() {
    const std::string list = stockindex::CollectRequiredFiles(Text(), CurrentSelection().start,
                                                              platform::ProgramFolder());
    CRequiredFilesDialog dialog(window());
    dialog.SetText(Characters(list));
    dialog.exec();
}

}  // namespace lumtrak::editor

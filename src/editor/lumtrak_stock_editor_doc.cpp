#include "editor/lumtrak_stock_editor_doc.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "editor/child_frame.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "platform/file_replacement.h"
#include "platform/whole_file.h"

namespace lumtrak::editor {

struct DocumentCommands {
    using D = CLumtrakStockEditorDoc;
    static constexpr CommandEntry<D> kTable[] = {
        {Command::FileClose, &D::OnFileClose},
        {Command::FileSave, &D::OnFileSave},
        {Command::FileSaveAs, &D::OnFileSaveAs},
    };
};

CLumtrakStockEditorDoc::CLumtrakStockEditorDoc(CLumtrakStockEditorApp& app,
                                               const DocumentTemplate& documentTemplate)
    : QObject(&app), app_(app), template_(documentTemplate) {}

void CLumtrakStockEditorDoc::SetTitle(const QString& title) {
    title_ = title;
    emit captionChanged();
}

void CLumtrakStockEditorDoc::SetPathName(const QString& path) {
    pathName_ = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
    app_.AddToRecentFileList(pathName_);
}

void CLumtrakStockEditorDoc::OnNewDocument() {
    SetTitle(app_.NextUntitledName(template_));
}

bool CLumtrakStockEditorDoc::OnOpenDocument(const QString& path) {
    if (!QFileInfo::exists(path)) {
        ReportFileError(tr("%1 was not found.").arg(path));
        return false;
    }
    // Only regular files: reading a FIFO or a device could wait for ever.
    const std::optional<std::string> bytes =
        platform::ReadWholeFile(QFile::encodeName(path).toStdString());
    if (!bytes) {
        ReportFileError(tr("%1 could not be accessed.").arg(path));
        return false;
    }
    if (!views_.isEmpty()) views_.front()->LoadText(*bytes);
    modified_ = false;
    SetPathName(path);
    return true;
}

void CLumtrakStockEditorDoc::OnRecoverDocument(const QString& path, std::string_view text) {
    if (!views_.isEmpty()) views_.front()->LoadText(text);
    if (!path.isEmpty()) SetPathName(path);
    SetModifiedFlag(true);
}

bool CLumtrakStockEditorDoc::OnSaveDocument(const QString& path) {
    const std::string_view text = views_.isEmpty() ? std::string_view() : views_.front()->Text();
    const auto result = platform::ReplaceFile(QFile::encodeName(path).toStdString(), text);
    if (result.error == platform::ReadOnlyFileError()) return OfferSaveAsForReadOnly(path);
    if (result.error) {
        ReportFileError(tr("An unexpected error occurred while writing %1:\n%2.")
                            .arg(path, QString::fromStdString(result.error.message())));
        return false;
    }
    SetModifiedFlag(false);
    SetPathName(path);
    emit saved();
    if (result.way == platform::ReplacementWay::InPlace) {
        if (CMainFrame* frame = app_.MainFrame()) {
            frame->SetMessageText(
                tr("%1 was written in place: its folder takes no new file beside it.").arg(path));
        }
    }
    return true;
}

bool CLumtrakStockEditorDoc::OfferSaveAsForReadOnly(const QString& path) {
    QMessageBox box(
        QMessageBox::Warning, CLumtrakStockEditorApp::Title(),
        tr("%1 is read-only and was not saved.\nSave the text under another name?").arg(path),
        QMessageBox::NoButton, app_.MainFrame());
    QAbstractButton* saveAs = box.addButton(tr("Save &As..."), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(tr("Cancel"), QMessageBox::RejectRole));
    box.setDefaultButton(static_cast<QPushButton*>(saveAs));
    box.exec();
    // The text stays modified unless it is saved elsewhere.
    return box.clickedButton() == saveAs && DoSave(QString());
}

bool CLumtrakStockEditorDoc::DoSave(const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        const QString extension = template_.Field(DocumentField::FilterExtension);
        QFileDialog dialog(app_.MainFrame(), tr("Save As"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({template_.ShownField(DocumentField::FilterName),
                               QCoreApplication::translate("Files", "All Files (*)")});
        dialog.setDefaultSuffix(extension.mid(1));
        dialog.selectFile(pathName_.isEmpty() ? title_ + extension : pathName_);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        target = dialog.selectedFiles().front();
    }
    return OnSaveDocument(target);
}

bool CLumtrakStockEditorDoc::SaveModified() {
    if (!IsModified()) return true;
    QMessageBox box(QMessageBox::Warning, CLumtrakStockEditorApp::Title(),
                    tr("Save changes to %1?").arg(title_), QMessageBox::NoButton, app_.MainFrame());
    QAbstractButton* yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
    QAbstractButton* no = box.addButton(tr("&No"), QMessageBox::NoRole);
    box.setEscapeButton(box.addButton(tr("Cancel"), QMessageBox::RejectRole));
    box.setDefaultButton(static_cast<QPushButton*>(yes));
    box.exec();
    if (box.clickedButton() == no) return true;
    if (box.clickedButton() != yes) return false;
    return DoSave(pathName_);
}

bool CLumtrakStockEditorDoc::CanCloseFrame(CChildFrame& frame) {
    for (CLumtrakStockEditorView* view : views_) {
        if (CChildFrame::Of(*view) != &frame) return true;
    }
    return SaveModified();
}

void CLumtrakStockEditorDoc::OnCloseDocument() {
    // Closing the last frame removes the last view, and the document with it.
    const QList<CLumtrakStockEditorView*> views = views_;
    for (CLumtrakStockEditorView* view : views) {
        if (auto* frame = CChildFrame::Of(*view)) frame->CloseWithoutPrompt();
    }
}

bool CLumtrakStockEditorDoc::IsModified() const {
    if (modified_) return true;
    return !views_.isEmpty() && views_.front()->isModified();
}

void CLumtrakStockEditorDoc::SetModifiedFlag(bool modified) {
    if (!modified && !views_.isEmpty()) views_.front()->setModified(false);
    if (modified_ != modified) {
        modified_ = modified;
        emit captionChanged();
    }
}

void CLumtrakStockEditorDoc::AddView(CLumtrakStockEditorView* view) {
    views_.append(view);
    connect(view, &CLumtrakStockEditorView::modificationChanged, this,
            &CLumtrakStockEditorDoc::captionChanged);
    connect(view, &CLumtrakStockEditorView::textChanged, this,
            &CLumtrakStockEditorDoc::textChanged);
    emit captionChanged();
}

void CLumtrakStockEditorDoc::RemoveView(CLumtrakStockEditorView* view) {
    views_.removeAll(view);
    if (views_.isEmpty()) {
        emit lastViewClosed(this);
    } else {
        emit captionChanged();
    }
}

bool CLumtrakStockEditorDoc::OnCommand(Command command) {
    return DispatchCommand<CLumtrakStockEditorDoc>(*this, DocumentCommands::kTable, command);
}

std::optional<CommandState> CLumtrakStockEditorDoc::CommandUpdate(Command command) {
    return UpdateCommand<CLumtrakStockEditorDoc>(*this, DocumentCommands::kTable, command);
}

void CLumtrakStockEditorDoc::OnFileClose() {
    if (SaveModified()) OnCloseDocument();
}

void CLumtrakStockEditorDoc::OnFileSave() {
    DoSave(pathName_);
}

void CLumtrakStockEditorDoc::OnFileSaveAs() {
    DoSave(QString());
}

void CLumtrakStockEditorDoc::ReportFileError(const QString& text) {
    QMessageBox::warning(app_.MainFrame(), CLumtrakStockEditorApp::Title(), text);
}

}  // namespace lumtrak::editor

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <string_view>

#include "editor/command_target.h"
#include "editor/document_templates.h"
#include "editor/undo_steps.h"

namespace lumtrak::editor {

class CChildFrame;
class CLumtrakStockEditorApp;
class CLumtrakStockEditorView;

// An open definition file. The text lives in its views (they share one
// buffer); the document loads it into them and saves it from the first one,
// as raw bytes.
class CLumtrakStockEditorDoc : public QObject, public CommandTarget {
    Q_OBJECT

  public:
    CLumtrakStockEditorDoc(CLumtrakStockEditorApp& app, const DocumentTemplate& documentTemplate);

    const DocumentTemplate& GetDocTemplate() const { return template_; }
    // The file's path; empty for a document that was never saved.
    const QString& GetPathName() const { return pathName_; }
    // The name shown in the window captions: the file name, or "Lumtrak1"...
    const QString& GetTitle() const { return title_; }
    void SetTitle(const QString& title);

    // Gives a new document its title; the text starts empty.
    void OnNewDocument();
    // Loads the file's bytes into the views; reports a failure and returns false.
    bool OnOpenDocument(const QString& path);
    // Loads a text that a recovery copy kept: the document counts as modified,
    // with path (empty for a document never saved) as its file.
    void OnRecoverDocument(const QString& path, std::string_view text);
    // Writes the text to path through the kit's file replacement (a temporary
    // file beside it, renamed over it; written in place, with a note on the
    // status bar, where the folder takes no new file); reports a failure and
    // returns false. A read-only file is refused with the offer to save the
    // text under another name.
    bool OnSaveDocument(const QString& path);
    // Saves to path, or asks for a path first when it is empty.
    bool DoSave(const QString& path);
    // Asks whether to save a modified document: true when it may be closed.
    bool SaveModified();
    bool CanCloseFrame(CChildFrame& frame);
    // Closes every window of the document without asking; the document goes.
    void OnCloseDocument();

    bool IsModified() const;
    void SetModifiedFlag(bool modified);

    void AddView(CLumtrakStockEditorView* view);
    void RemoveView(CLumtrakStockEditorView* view);
    const QList<CLumtrakStockEditorView*>& Views() const { return views_; }
    // The selections of the undo steps of the text that the views share.
    UndoSteps& GetUndoSteps() { return undoSteps_; }

    bool OnCommand(Command command) override;
    std::optional<CommandState> CommandUpdate(Command command) override;

  signals:
    // The title, the modified state or the number of views changed.
    void captionChanged();
    // The text was written to the file.
    void saved();
    void lastViewClosed(CLumtrakStockEditorDoc* document);
    // The text changed, in whichever view.
    void textChanged();

  private:
    friend struct DocumentCommands;

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void SetPathName(const QString& path);
    void ReportFileError(const QString& text);
    bool OfferSaveAsForReadOnly(const QString& path);

    CLumtrakStockEditorApp& app_;
    const DocumentTemplate& template_;
    QString pathName_;
    QString title_;
    QList<CLumtrakStockEditorView*> views_;
    UndoSteps undoSteps_;
    // Set for a text that differs from its file although the editor's own
    // modified state does not say so.
    bool modified_ = false;
};

}  // namespace lumtrak::editor

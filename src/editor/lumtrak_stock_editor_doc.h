#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "editor/command_target.h"
#include "editor/document_templates.h"

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

    bool OnCommand(Command command) override;
    std::optional<CommandState> CommandUpdate(Command command) override;

  signals:
    // The title, the modified state or the number of views changed.
    void captionChanged();
    // The text was written to the file.
    void saved();
    void lastViewClosed(CLumtrakStockEditorDoc* document);

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
    // Set by changes that the editor's own modified state does not follow
    // (replacements without undo).
    bool modified_ = false;
};

}  // namespace lumtrak::editor

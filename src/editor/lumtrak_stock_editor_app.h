#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "editor/command_target.h"
#include "editor/document_templates.h"
#include "platform/recent_file_list.h"
#include "platform/settings_store.h"

namespace lumtrak::recovery {
struct LeftCopy;
}

class QsciPrinter;

namespace lumtrak::editor {

class CChildFrame;
class CLumtrakStockEditorDoc;
class CLumtrakStockEditorView;
class CMainFrame;
class RecoveryKeeper;
class SingleInstance;

// What the command line asks for.
struct CommandLineInfo {
    QStringList files;      // to open, each with the type of its extension
    QString programFolder;  // overrides the program folder when not empty
    // The installer's settings, from which a program folder that neither the
    // command line nor the environment names is settled (asked for once) before
    // any document opens; none leaves the program folder as it is.
    platform::SettingsStore* installSettings = nullptr;
};

// The editor application: its settings, document types, documents, main
// window and the commands that need no document.
class CLumtrakStockEditorApp : public QObject, public CommandTarget {
    Q_OBJECT

  public:
    enum class StartUp {
        Running,     // the main window is up
        Failed,      // the main window or the command line failed
        HandedOver,  // an editor that runs already took the files
    };

    // instanceSocket names the socket through which later launches hand their
    // files to this editor; empty for none.
    CLumtrakStockEditorApp(platform::SettingsStore& settings, QString instanceSocket);
    ~CLumtrakStockEditorApp() override;

    // The running application (there is at most one).
    static CLumtrakStockEditorApp* Instance();
    // "Lumtrak Stock Editor": the caption of the editor's messages.
    static QString Title();

    StartUp InitInstance(const CommandLineInfo& commandLine);

    // The "LightHarshness" setting of group "Editor", read at start-up.
    std::int32_t LightHarshness() const { return lightHarshness_; }
    // Where the editor keeps its settings, for the windows that remember
    // their places.
    platform::SettingsStore& Settings() const { return settings_; }

    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    const QList<CLumtrakStockEditorDoc*>& Documents() const { return documents_; }
    QsciPrinter& Printer();
    // Keeps the recovery copies of the modified documents; none when the
    // recovery folder cannot be had.
    RecoveryKeeper* Recovery() const { return recovery_.get(); }

    // Opens path with the type of its extension, or brings its window forward
    // when it is open already; nothing when it cannot be read.
    CLumtrakStockEditorDoc* OpenDocumentFile(const QString& path);
    // Creates an empty document of the type with its first window.
    CLumtrakStockEditorDoc* OpenNewDocument(const DocumentTemplate& documentTemplate);
    // Opens another window on the document, showing the same text.
    CChildFrame* CreateNewFrame(CLumtrakStockEditorDoc& document,
                                CLumtrakStockEditorView* sharedWith);
    // Asks to save each modified document; false when the user cancels.
    bool SaveAllModified();

    // "Lumtrak1", "Lumtrak2"...: the title of the type's next new document.
    QString NextUntitledName(const DocumentTemplate& documentTemplate);

    const platform::RecentFileList& RecentFiles() const { return recentFiles_; }
    void AddToRecentFileList(const QString& path);

    // Replaces the New dialog, which asks for the type of a new document (the
    // index of a registered type, or nothing when cancelled).
    using NewTypeChooser = std::function<std::optional<std::size_t>()>;
    void SetNewTypeChooser(NewTypeChooser chooser) { chooseNewType_ = std::move(chooser); }

    bool OnCommand(Command command) override;
    std::optional<CommandState> CommandUpdate(Command command) override;

  signals:
    void recentFilesChanged();

  private:
    friend struct ApplicationCommands;

    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnAppExit();
    void OpenRecentFile(std::size_t index);
    void OnRecentFile1() { OpenRecentFile(0); }
    void OnRecentFile2() { OpenRecentFile(1); }
    void OnRecentFile3() { OpenRecentFile(2); }
    void OnRecentFile4() { OpenRecentFile(3); }
    void OnDocumentClosed(CLumtrakStockEditorDoc* document);
    void AddDocument(CLumtrakStockEditorDoc* document);
    void StartRecovery();
    // Offers the copies that runs that ended left behind; true when it opened
    // documents from them.
    bool OfferLeftCopies();
    void RecoverDocument(const recovery::LeftCopy& copy);
    CLumtrakStockEditorDoc* FindOpenDocument(const QString& path) const;
    void OpenHandedOverFiles(const QStringList& files);
    std::optional<std::size_t> AskForNewType();

    platform::SettingsStore& settings_;
    QString instanceSocket_;
    std::int32_t lightHarshness_ = 50;
    platform::RecentFileList recentFiles_{4};
    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<SingleInstance> singleInstance_;
    std::unique_ptr<QsciPrinter> printer_;
    QList<CLumtrakStockEditorDoc*> documents_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::map<int, int> untitledCounts_;
    NewTypeChooser chooseNewType_;
};

}  // namespace lumtrak::editor

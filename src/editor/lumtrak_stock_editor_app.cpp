#include "editor/lumtrak_stock_editor_app.h"

#include <Qsci/qsciprinter.h>

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QPageSetupDialog>

#include "editor/about_dialog.h"
#include "editor/child_frame.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/new_type_dialog.h"
#include "editor/program_folder_dialog.h"
#include "editor/recovery_dialog.h"
#include "editor/recovery_keeper.h"
#include "editor/single_instance.h"
#include "editor/syntax_colouring.h"
#include "platform/program_folder.h"
#include "platform/settings_values.h"

namespace lumtrak::editor {

struct ApplicationCommands {
    using A = CLumtrakStockEditorApp;
    static constexpr CommandEntry<A> kTable[] = {
        {Command::FileNew, &A::OnFileNew},
        {Command::FileOpen, &A::OnFileOpen},
        {Command::FilePrintSetup, &A::OnFilePrintSetup},
        {Command::FileMru1, &A::OnRecentFile1},
        {Command::FileMru2, &A::OnRecentFile2},
        {Command::FileMru3, &A::OnRecentFile3},
        {Command::FileMru4, &A::OnRecentFile4},
        {Command::AppAbout, &A::OnAppAbout},
        {Command::AppExit, &A::OnAppExit},
    };
};

namespace {

CLumtrakStockEditorApp* theApp = nullptr;

QString SamePathKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

CLumtrakStockEditorApp::CLumtrakStockEditorApp(platform::SettingsStore& settings,
                                               QString instanceSocket)
    : settings_(settings), instanceSocket_(std::move(instanceSocket)) {
    theApp = this;
}

CLumtrakStockEditorApp::~CLumtrakStockEditorApp() {
    // The windows go before the documents that they show.
    mainFrame_.reset();
    qDeleteAll(std::exchange(documents_, {}));
    if (theApp == this) theApp = nullptr;
}

CLumtrakStockEditorApp* CLumtrakStockEditorApp::Instance() {
    return theApp;
}

QString CLumtrakStockEditorApp::Title() {
    return QStringLiteral("Lumtrak Stock Editor");
}

CLumtrakStockEditorApp::StartUp CLumtrakStockEditorApp::InitInstance(
    const CommandLineInfo& commandLine) {
    if (!commandLine.programFolder.isEmpty()) {
        platform::SetProgramFolderOverride(commandLine.programFolder.toStdString());
    }
    lightHarshness_ = platform::ReadIntegerSetting(settings_, "Editor", "LightHarshness", 50);
    SyntaxColouring::Setting().Read(settings_);
    recentFiles_.Read(settings_);

    // Files named on the command line go to an editor that runs already.
    if (!instanceSocket_.isEmpty()) {
        singleInstance_ = std::make_unique<SingleInstance>(instanceSocket_);
        if (singleInstance_->AnotherIsRunning()) {
            QStringList files;
            for (const QString& file : commandLine.files)
                files << QFileInfo(file).absoluteFilePath();
            if (!files.isEmpty() && singleInstance_->HandOver(files)) return StartUp::HandedOver;
            singleInstance_.reset();
        } else if (singleInstance_->Listen()) {
            connect(singleInstance_.get(), &SingleInstance::filesReceived, this,
                    &CLumtrakStockEditorApp::OpenHandedOverFiles);
        }
    }

    mainFrame_ = std::make_unique<CMainFrame>(*this);
    if (!mainFrame_->LoadFrame()) return StartUp::Failed;
    if (commandLine.installSettings) {
        SettleProgramFolder(settings_, *commandLine.installSettings, mainFrame_.get());
    }
    StartRecovery();
    const bool recovered = OfferLeftCopies();

    if (commandLine.files.isEmpty()) {
        if (!recovered) OnFileNew();
    } else {
        bool opened = false;
        for (const QString& file : commandLine.files)
            opened = OpenDocumentFile(file) != nullptr || opened;
        // Recovered documents keep the editor going, whatever else failed.
        if (!opened && !recovered) return StartUp::Failed;
    }
    mainFrame_->show();
    return StartUp::Running;
}

QsciPrinter& CLumtrakStockEditorApp::Printer() {
    if (!printer_) printer_ = std::make_unique<QsciPrinter>();
    return *printer_;
}

CLumtrakStockEditorDoc* CLumtrakStockEditorApp::FindOpenDocument(const QString& path) const {
    const QString key = SamePathKey(path);
    for (CLumtrakStockEditorDoc* document : documents_) {
        if (!document->GetPathName().isEmpty() && SamePathKey(document->GetPathName()) == key) {
            return document;
        }
    }
    return nullptr;
}

CLumtrakStockEditorDoc* CLumtrakStockEditorApp::OpenDocumentFile(const QString& path) {
    if (CLumtrakStockEditorDoc* open = FindOpenDocument(path)) {
        if (!open->Views().isEmpty()) {
            if (CChildFrame* frame = CChildFrame::Of(*open->Views().front())) {
                mainFrame_->ActivateChildFrame(frame);
            }
        }
        return open;
    }
    auto* document = new CLumtrakStockEditorDoc(*this, TemplateForPath(path));
    AddDocument(document);
    // The window has its caption before it shows maximized: a maximized window
    // gives the main window its caption only as it maximizes, when the main
    // window is not up yet at start-up.
    document->SetTitle(QFileInfo(path).fileName());
    CChildFrame* frame = CreateNewFrame(*document, nullptr);
    if (!document->OnOpenDocument(path)) {
        frame->CloseWithoutPrompt();
        return nullptr;
    }
    return document;
}

CLumtrakStockEditorDoc* CLumtrakStockEditorApp::OpenNewDocument(
    const DocumentTemplate& documentTemplate) {
    auto* document = new CLumtrakStockEditorDoc(*this, documentTemplate);
    AddDocument(document);
    document->OnNewDocument();
    CreateNewFrame(*document, nullptr);
    return document;
}

CChildFrame* CLumtrakStockEditorApp::CreateNewFrame(CLumtrakStockEditorDoc& document,
                                                    CLumtrakStockEditorView* sharedWith) {
    auto* view = new CLumtrakStockEditorView(document);
    if (sharedWith) view->ShareTextOf(*sharedWith);
    auto* frame = new CChildFrame(view);
    mainFrame_->AddChildFrame(frame);
    return frame;
}

bool CLumtrakStockEditorApp::SaveAllModified() {
    const QList<CLumtrakStockEditorDoc*> documents = documents_;
    for (CLumtrakStockEditorDoc* document : documents) {
        if (!document->SaveModified()) return false;
    }
    return true;
}

QString CLumtrakStockEditorApp::NextUntitledName(const DocumentTemplate& documentTemplate) {
    const int number = ++untitledCounts_[documentTemplate.resource];
    return documentTemplate.Field(DocumentField::DocumentName) + QString::number(number);
}

void CLumtrakStockEditorApp::AddToRecentFileList(const QString& path) {
    recentFiles_.Add(path.toStdString());
    recentFiles_.Write(settings_);
    emit recentFilesChanged();
}

bool CLumtrakStockEditorApp::OnCommand(Command command) {
    return DispatchCommand<CLumtrakStockEditorApp>(*this, ApplicationCommands::kTable, command);
}

std::optional<CommandState> CLumtrakStockEditorApp::CommandUpdate(Command command) {
    return UpdateCommand<CLumtrakStockEditorApp>(*this, ApplicationCommands::kTable, command);
}

std::optional<std::size_t> CLumtrakStockEditorApp::AskForNewType() {
    if (chooseNewType_) return chooseNewType_();
    NewTypeDialog dialog(mainFrame_.get());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

void CLumtrakStockEditorApp::OnFileNew() {
    const std::optional<std::size_t> chosen = AskForNewType();
    const auto templates = RegisteredTemplates();
    if (chosen && *chosen < templates.size()) OpenNewDocument(templates[*chosen]);
}

void CLumtrakStockEditorApp::OnFileOpen() {
    QFileDialog dialog(mainFrame_.get(), tr("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(OpenFilters());
    if (dialog.exec() != QDialog::Accepted) return;
    for (const QString& file : dialog.selectedFiles())
        OpenDocumentFile(file);
}

void CLumtrakStockEditorApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), mainFrame_.get());
    dialog.exec();
}

void CLumtrakStockEditorApp::OnAppAbout() {
    AboutDialog dialog(mainFrame_.get());
    dialog.exec();
}

void CLumtrakStockEditorApp::OnAppExit() {
    mainFrame_->close();
}

void CLumtrakStockEditorApp::OpenRecentFile(std::size_t index) {
    const auto& entries = recentFiles_.Entries();
    if (index >= entries.size()) return;
    const QString path = QString::fromStdString(entries[index]);
    if (!OpenDocumentFile(path) && !QFileInfo::exists(path)) {
        // A file that is gone leaves the list.
        recentFiles_.Remove(index);
        recentFiles_.Write(settings_);
        emit recentFilesChanged();
    }
}

void CLumtrakStockEditorApp::AddDocument(CLumtrakStockEditorDoc* document) {
    documents_.append(document);
    connect(document, &CLumtrakStockEditorDoc::lastViewClosed, this,
            &CLumtrakStockEditorApp::OnDocumentClosed);
    if (recovery_) recovery_->Watch(*document);
}

void CLumtrakStockEditorApp::StartRecovery() {
    const std::string folder = recovery::DefaultRecoveryFolder();
    std::error_code error;
    std::unique_ptr<recovery::RecoveryFolder> opened =
        recovery::RecoveryFolder::Open(folder, error);
    if (!opened) {
        mainFrame_->SetMessageText(tr("No recovery copies can be kept in %1: %2.")
                                       .arg(QFile::decodeName(QByteArray::fromStdString(folder)),
                                            QString::fromStdString(error.message())));
        return;
    }
    recovery_ =
        std::make_unique<RecoveryKeeper>(std::move(opened), RecoveryDelays::FromEnvironment());
    connect(recovery_.get(), &RecoveryKeeper::copyNotWritten, mainFrame_.get(),
            [this](const QString& title, const QString& reason) {
                mainFrame_->SetMessageText(
                    tr("The recovery copy of %1 could not be written: %2.").arg(title, reason));
            });
}

bool CLumtrakStockEditorApp::OfferLeftCopies() {
    if (!recovery_) return false;
    recovery::RecoveryFolder& folder = recovery_->Folder();
    const std::vector<recovery::LeftCopy> left = folder.ClaimLeftCopies();
    bool recovered = false;
    if (!left.empty()) {
        mainFrame_->show();
        RecoveryDialog dialog(left, mainFrame_.get());
        dialog.exec();
        for (const recovery::LeftCopy& copy : left) {
            switch (dialog.Chosen()) {
                case RecoveryDialog::Choice::Recover:
                    // A copy that is not whole is not to be trusted: it stays.
                    if (copy.reading.condition != recovery::CopyCondition::Whole) break;
                    RecoverDocument(copy);
                    recovered = true;
                    break;
                case RecoveryDialog::Choice::Discard:
                    folder.Discard(copy);
                    break;
                case RecoveryDialog::Choice::Later:
                    break;
            }
        }
    }
    folder.ReleaseClaims();
    return recovered;
}

void CLumtrakStockEditorApp::RecoverDocument(const recovery::LeftCopy& copy) {
    const recovery::CopyHeader& header = copy.reading.header;
    const QString path = QFile::decodeName(QByteArray::fromStdString(header.path));
    const auto templates = RegisteredTemplates();
    const auto kept = std::find_if(templates.begin(), templates.end(), [&](const auto& candidate) {
        return candidate.resource == header.kind;
    });
    auto* document =
        new CLumtrakStockEditorDoc(*this, kept != templates.end() ? *kept : TemplateForPath(path));
    AddDocument(document);
    if (path.isEmpty()) {
        document->OnNewDocument();
    } else {
        document->SetTitle(QFileInfo(path).fileName());
    }
    CreateNewFrame(*document, nullptr);
    document->OnRecoverDocument(path, copy.reading.text);
    recovery_->Adopt(*document, copy);
}

void CLumtrakStockEditorApp::OnDocumentClosed(CLumtrakStockEditorDoc* document) {
    documents_.removeAll(document);
    document->deleteLater();
}

void CLumtrakStockEditorApp::OpenHandedOverFiles(const QStringList& files) {
    for (const QString& file : files)
        OpenDocumentFile(file);
    if (mainFrame_->isMinimized()) mainFrame_->showNormal();
    mainFrame_->raise();
    mainFrame_->activateWindow();
}

}  // namespace lumtrak::editor

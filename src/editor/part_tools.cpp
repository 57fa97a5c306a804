#include "editor/part_tools.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>

#include "editor/child_frame.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/message_box_sink.h"
#include "editor/name_completion.h"
#include "editor/part_texts.h"
#include "editor/part_uses_dock.h"
#include "editor/parts_dock.h"
#include "editor/preview_file_watch.h"
#include "model/definition_loader.h"
#include "model/texture_registry.h"
#include "parts/part_location.h"
#include "parts/part_statements.h"
#include "parts/part_tree.h"
#include "parts/part_uses.h"
#include "platform/program_folder.h"
#include "stockindex/stock_index.h"

namespace lumtrak::editor {

struct PartToolCommands {
    using T = PartTools;
    static constexpr CommandEntry<T> kTable[] = {
        {Command::GoToPart, &T::OnGoToPart, &T::OnUpdateNeedView},
        {Command::FindPartUses, &T::OnFindPartUses, &T::OnUpdateNeedView},
        {Command::NavigateBack, &T::OnNavigateBack, &T::OnUpdateNavigateBack},
        {Command::NavigateForward, &T::OnNavigateForward, &T::OnUpdateNavigateForward},
        {Command::CompleteName, &T::OnCompleteName, &T::OnUpdateNeedView},
        {Command::ViewParts, &T::OnViewParts, &T::OnUpdateViewParts},
    };
};

namespace {

constexpr int kPartsDelayMs = 150;
constexpr int kPartsDockWidth = 460;

std::string PathOf(const CLumtrakStockEditorDoc& document) {
    return QFile::encodeName(document.GetPathName()).toStdString();
}

}  // namespace

PartTools::PartTools(CMainFrame& frame, CLumtrakStockEditorApp& app)
    : QObject(&frame), frame_(frame), app_(app) {
    partsDock_ = new PartsDock(&frame);
    frame.addDockWidget(Qt::RightDockWidgetArea, partsDock_);
    partsDock_->hide();
    usesDock_ = new PartUsesDock(&frame);
    frame.addDockWidget(Qt::BottomDockWidgetArea, usesDock_);
    usesDock_->hide();

    partsTimer_.setSingleShot(true);
    partsTimer_.setInterval(kPartsDelayMs);
    connect(&partsTimer_, &QTimer::timeout, this, &PartTools::UpdatePartsNow);
    partsFiles_ = new PreviewFileWatch(this);
    connect(partsFiles_, &PreviewFileWatch::filesChanged, this, [this] {
        partsStale_ = true;
        SchedulePartsUpdate();
    });
    connect(partsDock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) SchedulePartsUpdate();
    });
    connect(partsDock_, &PartsDock::placeActivated, this, [this](const model::TextPlace& place) {
        CLumtrakStockEditorView* view = partsView_;
        if (!view) return;
        history_.Leave(PlaceOf(*view));
        if (place.path.empty()) return ShowPlace({view, {}, place.offset});
        if (CLumtrakStockEditorView* opened = OpenFile(place.path)) {
            ShowPosition(*opened, place.offset);
        }
    });
    connect(usesDock_, &PartUsesDock::useActivated, this,
            [this](const parts::PartUse& use, CLumtrakStockEditorDoc* document) {
                CLumtrakStockEditorView* view = nullptr;
                if (document && !document->Views().isEmpty()) {
                    view = document->Views().front();
                    frame_.ActivateChildFrame(CChildFrame::Of(*view));
                } else if (!use.path.empty()) {
                    view = OpenFile(use.path);
                }
                if (!view) return;
                // The file's line, wherever the text stands now.
                const long line = long(use.line) - 1;
                const long lineStart =
                    view->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
                ShowPosition(*view,
                             document ? use.offset : std::size_t(lineStart) + use.column - 1);
            });
}

PartTools::~PartTools() = default;

void PartTools::AttachView(CLumtrakStockEditorView& view) {
    new NameCompletion(view);
    view.viewport()->installEventFilter(this);
    connect(&view, &QsciScintilla::cursorPositionChanged, this, [this, &view] {
        if (&view == frame_.GetActiveView()) SchedulePartsUpdate();
    });
    connect(&view, &QsciScintilla::textChanged, this, [this, &view] {
        if (&view != partsView_) return;
        partsStale_ = true;
        SchedulePartsUpdate();
    });
}

bool PartTools::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+click on the name of a part goes to the part.
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* view = qobject_cast<CLumtrakStockEditorView*>(watched->parent());
        if (view && mouse->button() == Qt::LeftButton &&
            (mouse->modifiers() & Qt::ControlModifier)) {
            const QPoint at = mouse->position().toPoint();
            const long pos = view->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
                                                 static_cast<unsigned long>(at.x()), long(at.y()));
            if (pos >= 0 && parts::PartStatementAt(view->Text(), model::Cursor(pos))) {
                GoToPart(*view, model::Cursor(pos));
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

TextPlaceInEditor PartTools::PlaceOf(CLumtrakStockEditorView& view) const {
    return {&view, view.GetDocument().GetPathName(), view.CurrentSelection().start};
}

void PartTools::Say(const QString& text) {
    frame_.SetMessageText(text);
}

bool PartTools::GoToPart(CLumtrakStockEditorView& view, model::Cursor pos) {
    const std::string_view text = view.Text();
    const auto statement = parts::PartStatementAt(text, pos);
    if (!statement) {
        Say(
            tr("The caret is not on an \"include\", \"tilt\", \"wheel\" or \"motion\" "
               "statement."));
        return false;
    }
    const std::string name(
        text.substr(statement->nameStart, statement->nameEnd - statement->nameStart));
    MessageBoxSink messages(&frame_);
    const auto found = parts::LocatePart(name, text, stockindex::ProcessIncludeCache(), messages);
    if (!found) {
        Say(tr("No definition named \"%1\" in this text or in \"Stock Index\" "
               "[include-not-found]")
                .arg(DefinitionText(name)));
        return false;
    }
    history_.Leave(PlaceOf(view));
    CLumtrakStockEditorView* target = &view;
    std::size_t position = found->lineStart;
    if (!found->path.empty()) {
        target = OpenFile(found->path);
        if (!target) return false;
        // An open document may stand otherwise than its file: its own text
        // is searched as the loader would search the file.
        if (target->GetDocument().IsModified()) {
            position = parts::NameLineIn(target->Text(), parts::LookupName(name))
                           .value_or(found->lineStart);
        }
    }
    ShowPosition(*target, position);
    Say(tr("%1: %2, line %3")
            .arg(DefinitionText(name),
                 found->path.empty() ? target->GetDocument().GetTitle() : ShownPath(found->path))
            .arg(found->line));
    frame_.UpdateCommandStates();
    return true;
}

CLumtrakStockEditorView* PartTools::OpenFile(const std::string& path) {
    CLumtrakStockEditorDoc* document =
        app_.OpenDocumentFile(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!document || document->Views().isEmpty()) return nullptr;
    return document->Views().front();
}

void PartTools::ShowPosition(CLumtrakStockEditorView& view, std::size_t position) {
    if (CChildFrame* frame = CChildFrame::Of(view)) frame_.ActivateChildFrame(frame);
    view.SetSelection({position, position});
    // The line near the top, with the lines before it that fit above.
    const long line = view.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                         static_cast<unsigned long>(position));
    view.SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
                       static_cast<unsigned long>(std::max(0L, line - 3)));
}

void PartTools::ShowPlace(const TextPlaceInEditor& place) {
    CLumtrakStockEditorView* view = place.view;
    if (!view && !place.path.isEmpty()) {
        view = OpenFile(QFile::encodeName(place.path).toStdString());
    }
    if (!view) return;
    ShowPosition(*view, std::min(place.position, view->Text().size()));
}

void PartTools::GoBack() {
    CLumtrakStockEditorView* view = frame_.GetActiveView();
    if (!view) return;
    if (const auto there = history_.Back(PlaceOf(*view))) ShowPlace(*there);
    frame_.UpdateCommandStates();
}

void PartTools::GoForward() {
    CLumtrakStockEditorView* view = frame_.GetActiveView();
    if (!view) return;
    if (const auto there = history_.Forward(PlaceOf(*view))) ShowPlace(*there);
    frame_.UpdateCommandStates();
}

void PartTools::FindUses(CLumtrakStockEditorView& view) {
    const std::string name = parts::DefinedNameAt(view.Text(), view.CurrentSelection().start);
    if (name.empty()) {
        Say(tr("The caret is not on a \"name\" line."));
        return;
    }
    QList<QPointer<CLumtrakStockEditorDoc>> documents;
    std::vector<parts::OpenText> open;
    for (CLumtrakStockEditorDoc* document : app_.Documents()) {
        if (document->Views().isEmpty()) continue;
        documents << document;
        open.push_back({PathOf(*document), document->Views().front()->Text()});
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    parts::PartUses uses = parts::FindPartUses(name, open, platform::ProgramFolder());
    QApplication::restoreOverrideCursor();

    const QString shownName = DefinitionText(name);
    const std::size_t searched = uses.filesSearched;
    Say(uses.uses.size() == 1
            ? tr("\"%1\": 1 use in %2 files searched").arg(shownName).arg(searched)
            : tr("\"%1\": %2 uses in %3 files searched")
                  .arg(shownName)
                  .arg(uses.uses.size())
                  .arg(searched));
    usesDock_->ShowUses(shownName, std::move(uses), documents);
    usesDock_->show();
    usesDock_->raise();
}

void PartTools::SchedulePartsUpdate() {
    if (partsDock_->isVisible()) partsTimer_.start();
}

void PartTools::UpdatePartsNow() {
    CLumtrakStockEditorView* view = frame_.GetActiveView();
    if (!view) {
        partsDock_->Clear();
        partsView_ = nullptr;
        return;
    }
    const std::string_view text = view->Text();
    const std::size_t caret = view->CurrentSelection().start;
    const model::Cursor start = model::FindDefinitionStart(model::DefinitionText(text), caret);
    if (view == partsView_ && partsStart_ == start && !partsStale_) return;
    partsView_ = view;
    partsStart_ = start;
    partsStale_ = false;

    // A load of its own, silent, and with a registry that loads no textures.
    platform::NullMessageSink messages;
    model::TextureRegistry textures;
    model::LoadEnvironment environment(messages, textures, stockindex::ProcessIncludeCache());
    const parts::PartTree tree = parts::LoadPartTree(text, caret, environment);
    partsDock_->ShowTree(tree, view->GetDocument().GetTitle());
    partsFiles_->Watch(tree.files);
}

bool PartTools::OnCommand(Command command) {
    return DispatchCommand<PartTools>(*this, PartToolCommands::kTable, command);
}

std::optional<CommandState> PartTools::CommandUpdate(Command command) {
    return UpdateCommand<PartTools>(*this, PartToolCommands::kTable, command);
}

void PartTools::OnGoToPart() {
    if (CLumtrakStockEditorView* view = frame_.GetActiveView()) {
        GoToPart(*view, view->CurrentSelection().start);
    }
}

void PartTools::OnFindPartUses() {
    if (CLumtrakStockEditorView* view = frame_.GetActiveView()) FindUses(*view);
}

void PartTools::OnUpdateNeedView(CommandState& state) {
    state.enabled = frame_.GetActiveView() != nullptr;
}

void PartTools::OnNavigateBack() {
    GoBack();
}

void PartTools::OnUpdateNavigateBack(CommandState& state) {
    state.enabled = history_.CanGoBack() && frame_.GetActiveView() != nullptr;
}

void PartTools::OnNavigateForward() {
    GoForward();
}

void PartTools::OnUpdateNavigateForward(CommandState& state) {
    state.enabled = history_.CanGoForward() && frame_.GetActiveView() != nullptr;
}

void PartTools::OnCompleteName() {
    CLumtrakStockEditorView* view = frame_.GetActiveView();
    if (!view) return;
    auto* completion = view->findChild<NameCompletion*>();
    if (completion && !completion->Complete()) Say(tr("Nothing to complete here."));
}

void PartTools::OnViewParts() {
    const bool firstShown = partsDock_->isHidden() && !partsDockSized_;
    partsDock_->setVisible(partsDock_->isHidden());
    if (firstShown) {
        // Wide enough for a part's name, its statement, file and line.
        frame_.resizeDocks({partsDock_}, {kPartsDockWidth}, Qt::Horizontal);
        partsDockSized_ = true;
    }
    if (partsDock_->isVisible()) {
        partsStale_ = true;
        UpdatePartsNow();
    }
}

void PartTools::OnUpdateViewParts(CommandState& state) {
    state.checked = !partsDock_->isHidden();
}

}  // namespace lumtrak::editor

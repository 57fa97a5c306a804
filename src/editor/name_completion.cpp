#include "editor/name_completion.h"

#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/part_texts.h"
#include "model/characters.h"
#include "platform/program_folder.h"

namespace lumtrak::editor {
namespace {

constexpr int kRowsShown = 12;

bool IsLetter(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

NameCompletion::NameCompletion(CLumtrakStockEditorView& view) : QObject(&view), view_(view) {
    // A window of its own that never takes the keyboard from the text.
    popup_ = new QFrame(&view, Qt::ToolTip | Qt::FramelessWindowHint);
    popup_->setObjectName(QStringLiteral("completionPopup"));
    popup_->setAttribute(Qt::WA_ShowWithoutActivating);
    popup_->setFrameStyle(QFrame::Box | QFrame::Plain);
    list_ = new QTreeWidget(popup_);
    list_->setObjectName(QStringLiteral("completionList"));
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(2);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(popup_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { Accept(item); });

    view_.installEventFilter(this);
    connect(&view_, &QsciScintillaBase::SCN_CHARADDED, this, &NameCompletion::OnCharacterAdded);
    // The caret's moves reach the view's signal only as it is drawn; typed
    // characters and other changes of the text are followed at once.
    connect(&view_, &QsciScintilla::cursorPositionChanged, this, [this] {
        if (Showing()) Refresh();
    });
    connect(&view_, &QsciScintilla::textChanged, this, [this] {
        if (Showing())
            QTimer::singleShot(0, this, [this] {
                if (Showing()) Refresh();
            });
    });
}

NameCompletion::~NameCompletion() = default;

bool NameCompletion::Showing() const {
    return popup_->isVisible();
}

bool NameCompletion::Complete() {
    Open(true);
    return Showing();
}

void NameCompletion::OnCharacterAdded(int character) {
    if (Showing()) return Refresh();
    const auto context = parts::CompletionContextAt(view_.Text(), view_.CurrentSelection().start);
    // A part's or a texture's name opens the list as it is typed; a statement
    // word once two letters of it stand at the start of a line.
    const bool opens = context.kind == parts::CompletionKind::PartName
                           ? !context.typed.empty()
                           : context.kind == parts::CompletionKind::TextureName ||
                                 (context.kind == parts::CompletionKind::StatementWord &&
                                  IsLetter(character) && context.typed.size() >= 2);
    if (opens) Open(false);
}

void NameCompletion::Open(bool asked) {
    const tools::Selection selection = view_.CurrentSelection();
    context_ = parts::CompletionContextAt(view_.Text(), selection.start);
    if (context_.kind == parts::CompletionKind::None || selection.start != selection.end) {
        Hide();
        return;
    }
    asked_ = asked;
    candidates_ = Gather(context_.kind);
    Show();
}

std::vector<parts::CompletionCandidate> NameCompletion::Gather(parts::CompletionKind kind) const {
    const std::string program = platform::ProgramFolder();
    const QString path = view_.GetDocument().GetPathName();
    switch (kind) {
        case parts::CompletionKind::PartName:
            return parts::PartNameCandidates(view_.Text(),
                                             view_.GetDocument().GetTitle().toStdString(), program);
        case parts::CompletionKind::TextureName: {
            const std::string folder =
                path.isEmpty() ? std::string() : QFileInfo(path).absolutePath().toStdString();
            return parts::TextureFileCandidates(parts::TextureFolders(folder, program));
        }
        case parts::CompletionKind::StatementWord:
            return parts::StatementWordCandidates();
        case parts::CompletionKind::None:
            break;
    }
    return {};
}

void NameCompletion::Refresh() {
    const tools::Selection selection = view_.CurrentSelection();
    const auto context = parts::CompletionContextAt(view_.Text(), selection.start);
    if (context.kind != context_.kind || context.start != context_.start ||
        selection.start != selection.end) {
        Hide();
        return;
    }
    context_ = context;
    Show();
}

void NameCompletion::Show() {
    shown_ = parts::RankCandidates(context_.typed, candidates_);
    // Nothing to offer, or, unasked, only what stands there already.
    const bool onlyWhatIsTyped =
        shown_.size() == 1 && platform::EqualIgnoringAsciiCase(shown_.front().text, context_.typed);
    if (shown_.empty() || (!asked_ && onlyWhatIsTyped)) {
        Hide();
        return;
    }
    if (shown_.size() > std::size_t(kMostShown)) shown_.resize(std::size_t(kMostShown));

    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& candidate : shown_) {
        items << new QTreeWidgetItem({DefinitionText(candidate.text), ShownPath(candidate.detail)});
    }
    list_->addTopLevelItems(items);
    list_->setCurrentItem(items.front());
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);

    // Below the start of what was typed, on the caret's line.
    const long start = long(context_.start);
    const long caret = long(view_.CurrentSelection().start);
    const int x = int(view_.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0ul, start));
    const int y = int(view_.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0ul, caret));
    const long line = view_.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, caret);
    const int lineHeight = int(view_.SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, line));
    const int rowHeight = list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : lineHeight;
    const int rows = std::min<int>(int(items.size()), kRowsShown);
    const int width = std::max(240, list_->columnWidth(0) + list_->columnWidth(1) + 32);
    popup_->resize(std::min(width, 720), rows * rowHeight + 6);
    popup_->move(view_.viewport()->mapToGlobal(QPoint(x, y + lineHeight)));
    popup_->show();
    popup_->raise();
}

void NameCompletion::Hide() {
    popup_->hide();
    candidates_.clear();
    shown_.clear();
}

void NameCompletion::MoveChoice(int rows) {
    const int count = list_->topLevelItemCount();
    if (count == 0) return;
    const int now = list_->indexOfTopLevelItem(list_->currentItem());
    list_->setCurrentItem(list_->topLevelItem(std::clamp(now + rows, 0, count - 1)));
}

void NameCompletion::Accept(QTreeWidgetItem* item) {
    const int row = item ? list_->indexOfTopLevelItem(item) : -1;
    if (row < 0 || std::size_t(row) >= shown_.size()) return Hide();
    const std::string text = shown_[std::size_t(row)].text;
    const auto caret = static_cast<unsigned long>(view_.CurrentSelection().start);
    const auto start = static_cast<unsigned long>(context_.start);
    Hide();
    view_.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    view_.SendScintilla(QsciScintillaBase::SCI_SETTARGETSTART, start);
    view_.SendScintilla(QsciScintillaBase::SCI_SETTARGETEND, caret);
    view_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                        static_cast<unsigned long>(text.size()), text.c_str());
    view_.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    view_.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, start + text.size());
    // As typing does.
    view_.m_bTextChanged = true;
    view_.RepaintPreview();
}

bool NameCompletion::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_ || !Showing()) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
                case Qt::Key_Up:
                    MoveChoice(-1);
                    return true;
                case Qt::Key_Down:
                    MoveChoice(1);
                    return true;
                case Qt::Key_PageUp:
                    MoveChoice(-kRowsShown);
                    return true;
                case Qt::Key_PageDown:
                    MoveChoice(kRowsShown);
                    return true;
                case Qt::Key_Return:
                case Qt::Key_Enter:
                case Qt::Key_Tab:
                    Accept(list_->currentItem());
                    return true;
                case Qt::Key_Escape:
                    Hide();
                    return true;
                default:
                    break;
            }
            break;
        }
        case QEvent::FocusOut:
        case QEvent::Hide:
            Hide();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lumtrak::editor

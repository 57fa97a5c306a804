#include "editor/problems_dock.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

#include "editor/lumtrak_stock_editor_view.h"
#include "editor/problem_texts.h"
#include "editor/program_texts.h"
#include "editor/view_problems.h"

namespace lumtrak::editor {

void ProblemsModel::Show(const ViewProblems* problems) {
    beginResetModel();
    problems_.clear();
    notes_.clear();
    if (problems) {
        problems_ = problems->Problems();
        for (const std::string& note : problems->Notes())
            notes_.push_back(ProgramText(note));
    }
    endResetModel();
}

const diagnostics::Problem* ProblemsModel::ProblemAt(int row) const {
    return row >= 0 && std::size_t(row) < problems_.size() ? &problems_[std::size_t(row)] : nullptr;
}

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(problems_.size() + notes_.size());
}

int ProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const diagnostics::Problem* problem = ProblemAt(index.row());
    const diagnostics::Severity severity =
        problem ? problem->GetSeverity() : diagnostics::Severity::Note;
    if (role == Qt::DecorationRole && index.column() == kSeverity) return SeverityIcon(severity);
    if (role == Qt::ToolTipRole && index.column() == kSeverity) return SeverityText(severity);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case kLine:
            return problem ? QVariant(qulonglong(problem->line)) : QVariant();
        case kText:
            return problem ? ProblemText(*problem)
                           : notes_[std::size_t(index.row()) - problems_.size()];
        case kCode:
            return problem ? QString::fromLatin1(problem->CodeName()) : QString();
        default:
            return {};
    }
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case kLine:
            return ProblemsDock::tr("Line");
        case kText:
            return ProblemsDock::tr("Problem");
        case kCode:
            return ProblemsDock::tr("Code");
        default:
            return {};
    }
}

ProblemsDock::ProblemsDock(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("problemsDock"));
    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("problemsList"));
    list_->setModel(&model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(ProblemsModel::kSeverity, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(ProblemsModel::kLine, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(ProblemsModel::kText, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(ProblemsModel::kCode, QHeaderView::ResizeToContents);
    setWidget(list_);
    // Enter, and a double-click (or a click where the style activates with one).
    connect(list_, &QTreeView::activated, this, &ProblemsDock::GoTo);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("problemCount"));
    ShowTexts();
}

void ProblemsDock::ShowTexts() {
    setWindowTitle(tr("Problems"));
    count_->setText(problems_ ? tr("Problems: %1").arg(problems_->Problems().size()) : QString());
}

void ProblemsDock::changeEvent(QEvent* event) {
    QDockWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) ShowTexts();
}

void ProblemsDock::ShowView(CLumtrakStockEditorView* view) {
    ViewProblems* problems = ViewProblems::Of(view);
    if (problems == problems_) return;
    if (problems_) disconnect(problems_, nullptr, this, nullptr);
    problems_ = problems;
    if (problems_) connect(problems_, &ViewProblems::problemsChanged, this, &ProblemsDock::Reload);
    Reload();
}

void ProblemsDock::Toggle() {
    chosenByUser_ = true;
    setVisible(isHidden());
}

void ProblemsDock::Reload() {
    model_.Show(problems_);
    ShowTexts();
    // The first problem of the run brings the panel up, unless the user chose.
    if (model_.rowCount() > 0 && !shownByItself_ && !chosenByUser_) {
        shownByItself_ = true;
        show();
    }
}

void ProblemsDock::GoTo(const QModelIndex& index) {
    const diagnostics::Problem* problem = model_.ProblemAt(index.row());
    if (problem && problems_) problems_->GoTo(*problem);
}

}  // namespace lumtrak::editor

#include "editor/view_problems.h"

#include <QToolTip>
#include <algorithm>

#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/problem_texts.h"
#include "stockindex/stock_index.h"

namespace lumtrak::editor {
namespace {

using Sci = QsciScintillaBase;

// How long the mouse must rest on an underline before its tooltip shows.
constexpr long kDwellMilliseconds = 500;

int IndicatorOf(diagnostics::Severity severity) {
    switch (severity) {
        case diagnostics::Severity::Error:
            return ViewProblems::kErrorIndicator;
        case diagnostics::Severity::Warning:
            return ViewProblems::kWarningIndicator;
        case diagnostics::Severity::Note:
            break;
    }
    return ViewProblems::kNoteIndicator;
}

// The bytes that a problem's underline covers: at least one, within the text.
std::pair<std::size_t, std::size_t> UnderlineOf(const diagnostics::Problem& problem,
                                                std::size_t length) {
    const std::size_t start = std::min(problem.offset, length > 0 ? length - 1 : 0);
    const std::size_t end =
        std::min(length, problem.offset + std::max<std::size_t>(problem.length, 1));
    return {start, std::max(end, std::min(start + 1, length))};
}

}  // namespace

ViewProblems::ViewProblems(CLumtrakStockEditorView& view)
    : QObject(&view), view_(view), checker_(stockindex::ProcessIncludeCache(), messages_) {
    setObjectName(QStringLiteral("viewProblems"));
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMilliseconds);
    connect(&pause_, &QTimer::timeout, this, &ViewProblems::Refresh);
    connect(&view_, &QsciScintilla::textChanged, &pause_, qOverload<>(&QTimer::start));
    connect(&view_.GetDocument(), &CLumtrakStockEditorDoc::saved, this, &ViewProblems::Refresh);

    const struct {
        int indicator;
        QColor colour;
    } kUnderlines[] = {{kErrorIndicator, QColor(0xE0, 0x10, 0x10)},
                       {kWarningIndicator, QColor(0xE0, 0x90, 0x00)},
                       {kNoteIndicator, QColor(0x20, 0x80, 0xE0)}};
    for (const auto& underline : kUnderlines) {
        const auto indicator = static_cast<unsigned long>(underline.indicator);
        view_.SendScintilla(Sci::SCI_INDICSETSTYLE, indicator, long(Sci::INDIC_SQUIGGLEPIXMAP));
        view_.SendScintilla(Sci::SCI_INDICSETFORE, indicator, underline.colour);
        view_.SendScintilla(Sci::SCI_INDICSETUNDER, indicator, 1L);
    }
    view_.SendScintilla(Sci::SCI_SETMOUSEDWELLTIME, static_cast<unsigned long>(kDwellMilliseconds));
    connect(&view_, &QsciScintillaBase::SCN_DWELLSTART, this, &ViewProblems::ShowTip);
    connect(&view_, &QsciScintillaBase::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
}

ViewProblems* ViewProblems::Of(QObject* view) {
    return view ? view->findChild<ViewProblems*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void ViewProblems::Refresh() {
    pause_.stop();
    const CLumtrakStockEditorDoc& document = view_.GetDocument();
    const std::string path = document.GetPathName().toStdString();
    const std::string file = path.empty() ? document.GetTitle().toStdString() : path;
    messages_.messages.clear();
    diagnostics::CheckResult result = checker_.Check({view_.Text(), file, path});
    problems_ = std::move(result.problems);
    notes_ = std::move(result.notes);
    Underline();
    emit problemsChanged();
}

void ViewProblems::Underline() {
    const std::size_t length = view_.Text().size();
    for (int indicator : {kErrorIndicator, kWarningIndicator, kNoteIndicator}) {
        view_.SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
        view_.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, long(length));
    }
    if (length == 0) return;
    for (const diagnostics::Problem& problem : problems_) {
        const auto [start, end] = UnderlineOf(problem, length);
        view_.SendScintilla(Sci::SCI_SETINDICATORCURRENT,
                            static_cast<unsigned long>(IndicatorOf(problem.GetSeverity())));
        view_.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                            long(end - start));
    }
}

void ViewProblems::ShowTip(int position, int x, int y) {
    if (position < 0) return;
    const std::size_t at = std::size_t(position);
    const std::size_t length = view_.Text().size();
    QStringList texts;
    for (const diagnostics::Problem& problem : problems_) {
        const auto [start, end] = UnderlineOf(problem, length);
        if (at >= start && at < end) texts << ProblemText(problem);
    }
    if (texts.isEmpty()) return;
    QToolTip::showText(view_.viewport()->mapToGlobal(QPoint(x, y)), texts.join(QLatin1Char('\n')),
                       view_.viewport());
}

void ViewProblems::GoTo(const diagnostics::Problem& problem) {
    view_.SetSelection({problem.offset, problem.offset});
    view_.setFocus(Qt::OtherFocusReason);
}

}  // namespace lumtrak::editor

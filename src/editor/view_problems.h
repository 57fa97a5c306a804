#pragma once

#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

#include "diagnostics/check.h"
#include "platform/message_sink.h"

namespace lumtrak::editor {

class CLumtrakStockEditorView;

// The problems of a view's text: looked for again once typing has paused and
// when the document is saved, and marked in the text with wavy underlines
// whose tooltip tells the problem. Lives as a child of the view.
class ViewProblems : public QObject {
    Q_OBJECT

  public:
    // How long typing must pause before the problems are looked for again.
    static constexpr int kPauseMilliseconds = 300;
    // The underlines, one indicator per severity.
    static constexpr int kErrorIndicator = 8;
    static constexpr int kWarningIndicator = 9;
    static constexpr int kNoteIndicator = 10;

    explicit ViewProblems(CLumtrakStockEditorView& view);

    // The problems of a view, if it has them looked for.
    static ViewProblems* Of(QObject* view);

    CLumtrakStockEditorView& View() const { return view_; }
    const std::vector<diagnostics::Problem>& Problems() const { return problems_; }
    // What the loads had to tell besides: the notes of the status bar.
    const std::vector<std::string>& Notes() const { return notes_; }

    // Looks for the problems now.
    void Refresh();
    // Puts the caret at the problem and gives the view the focus.
    void GoTo(const diagnostics::Problem& problem);

  signals:
    void problemsChanged();

  private:
    void Underline();
    void ShowTip(int position, int x, int y);

    CLumtrakStockEditorView& view_;
    QTimer pause_;
    // The check shows no message boxes: what it would show is a problem.
    platform::RecordingMessageSink messages_;
    diagnostics::Checker checker_;
    std::vector<diagnostics::Problem> problems_;
    std::vector<std::string> notes_;
};

}  // namespace lumtrak::editor

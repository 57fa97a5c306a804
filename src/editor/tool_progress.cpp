#include "editor/tool_progress.h"

#include <QApplication>
#include <utility>

#include "editor/main_frame.h"

namespace lumtrak::editor {

ToolProgress::ToolProgress(CMainFrame* frame, Command tool)
    : frame_(frame), tool_(frame ? frame->CommandText(tool) : QString()) {
    clock_.start();
}

ToolProgress::~ToolProgress() {
    End();
}

void ToolProgress::Begin(Step step, std::size_t bytes) {
    if (!frame_) return;
    if (!shown_ && (clock_.elapsed() >= kShowAfter.count() || bytes >= kLongStepBytes)) {
        shown_ = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (!shown_) return;
    const QString text = step == Step::Rewrite
                             ? tr("%1: working out the new text...").arg(tool_)
                             : tr("%1: putting the new text into the document...").arg(tool_);
    frame_->ShowProgress(text, int(step), 2);
}

void ToolProgress::End() {
    if (!std::exchange(shown_, false)) return;
    QApplication::restoreOverrideCursor();
    frame_->EndProgress();
}

}  // namespace lumtrak::editor

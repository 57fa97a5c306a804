#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <cstddef>

#include "editor/command_ids.h"

namespace lumtrak::editor {

class CMainFrame;

// The wait cursor and a progress report on the status bar while an editing
// tool runs long. The tool keeps the event loop waiting, so nothing can appear
// in the middle of a step: the report appears at the start of a step when the
// run has taken half a second already, or when the bytes that the step handles
// make half a second likely. It goes with the object.
class ToolProgress {
    Q_DECLARE_TR_FUNCTIONS(ToolProgress)

  public:
    // Working out the new text, then putting it into the document.
    enum class Step { Rewrite, Replace };

    // The run has taken this long: the report shows.
    static constexpr std::chrono::milliseconds kShowAfter{500};
    // A step that handles this many bytes takes about half a second on a slow
    // machine: the report shows from its start.
    static constexpr std::size_t kLongStepBytes = std::size_t(8) << 20;

    // The tool is named as its menu item is.
    ToolProgress(CMainFrame* frame, Command tool);
    ~ToolProgress();
    ToolProgress(const ToolProgress&) = delete;
    ToolProgress& operator=(const ToolProgress&) = delete;

    void Begin(Step step, std::size_t bytes);
    // Takes the report away early (before a message or a dialog of the tool).
    void End();

  private:
    CMainFrame* frame_;
    QString tool_;
    QElapsedTimer clock_;
    bool shown_ = false;
};

}  // namespace lumtrak::editor

#pragma once

#include <optional>
#include <unordered_map>

#include "tools/text_buffer.h"

namespace lumtrak::editor {

// The selections around each edit that the editor makes as one undo step (an
// editing tool, a paste, a replacement), shared by the views of a document.
// The editor's own undo puts back the text and only a caret; the step's token,
// recorded in the undo history, finds the selection that goes with it.
class UndoSteps {
  public:
    // A new step that starts from selection before; its token.
    int Begin(tools::Selection before);
    // The selection that the step left; nothing for a step that changed no
    // text, which the undo history does not hold.
    void End(int token, std::optional<tools::Selection> after);

    // The selection before the step, to show after undoing it.
    std::optional<tools::Selection> Before(int token) const;
    // The selection that the step left, to show after redoing it.
    std::optional<tools::Selection> After(int token) const;

    // The undo history was emptied: no step can come back.
    void Clear() { steps_.clear(); }

  private:
    struct Step {
        tools::Selection before;
        tools::Selection after;
    };
    std::unordered_map<int, Step> steps_;
    int lastToken_ = 0;
};

}  // namespace lumtrak::editor

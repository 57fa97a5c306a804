#include "editor/undo_steps.h"

namespace lumtrak::editor {

int UndoSteps::Begin(tools::Selection before) {
    const int token = ++lastToken_;
    steps_[token] = {before, before};
    return token;
}

void UndoSteps::End(int token, std::optional<tools::Selection> after) {
    const auto step = steps_.find(token);
    if (step == steps_.end()) return;
    if (after) {
        step->second.after = *after;
    } else {
        steps_.erase(step);
    }
}

std::optional<tools::Selection> UndoSteps::Before(int token) const {
    const auto step = steps_.find(token);
    if (step == steps_.end()) return std::nullopt;
    return step->second.before;
}

std::optional<tools::Selection> UndoSteps::After(int token) const {
    const auto step = steps_.find(token);
    if (step == steps_.end()) return std::nullopt;
    return step->second.after;
}

}  // namespace lumtrak::editor

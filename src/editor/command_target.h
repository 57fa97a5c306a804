#pragma once

#include <optional>
#include <span>

#include "editor/command_ids.h"

namespace lumtrak::editor {

// How a command's menu items and buttons show.
struct CommandState {
    bool enabled = true;
    std::optional<bool> checked;  // nothing: the item has no check mark
};

// Something that handles commands: the active view, its document, the main
// frame and the application are asked in that order, and the first that has a
// handler runs it. A command that none of them handles shows disabled.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;

    // Runs the handler of command; false when this target has none.
    virtual bool OnCommand(Command command) = 0;
    // The state of command's items; nothing when this target has no handler.
    virtual std::optional<CommandState> CommandUpdate(Command command) = 0;
};

// One line of a target's command table: the handler and, for commands whose
// items are greyed or checked by state, the function that tells the state.
template <typename Target>
struct CommandEntry {
    Command command;
    void (Target::*handler)();
    void (Target::*update)(CommandState&) = nullptr;
};

template <typename Target>
bool DispatchCommand(Target& target, std::span<const CommandEntry<Target>> table, Command command) {
    for (const auto& entry : table) {
        if (entry.command != command) continue;
        (target.*entry.handler)();
        return true;
    }
    return false;
}

template <typename Target>
std::optional<CommandState> UpdateCommand(Target& target,
                                          std::span<const CommandEntry<Target>> table,
                                          Command command) {
    for (const auto& entry : table) {
        if (entry.command != command) continue;
        CommandState state;
        if (entry.update) (target.*entry.update)(state);
        return state;
    }
    return std::nullopt;
}

}  // namespace lumtrak::editor

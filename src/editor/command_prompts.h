#pragma once

#include <QString>

#include "editor/command_ids.h"

namespace lumtrak::editor {

// The translation context of the prompts.
inline constexpr const char* kPromptContext = "Prompt";

// What a command does, in a few words: the status bar shows it while the
// mouse rests on one of the command's menu items or buttons. In English; see
// CommandPromptText for the user's language.
const char* CommandPrompt(Command command);
QString CommandPromptText(Command command);

}  // namespace lumtrak::editor

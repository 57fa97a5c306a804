#pragma once

#include <string>

// The per-user folders of the desktop, from its environment variables.
namespace lumtrak::platform {

// "$HOME/" (the current folder when HOME is unset or relative).
std::string UserHomeFolder();
// "$XDG_DATA_HOME/", or "$HOME/.local/share/" when it is unset or relative.
std::string UserDataFolder();

}  // namespace lumtrak::platform

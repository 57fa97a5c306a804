#pragma once

#include <string>

#include "platform/settings_store.h"

// Where an installation goes when nobody says otherwise, following the desktop's
// per-user folders.
namespace lumtrak::setup {

// "$HOME/Lumtrak/": the program folder belongs to the user who installs it.
std::string DefaultInstallFolder();
// "$XDG_DATA_HOME/applications" (default "~/.local/share/applications").
std::string DefaultStartMenuFolder();
// "$XDG_DATA_HOME/lumtrak/system": where the screen saver goes.
std::string DefaultSystemFolder();

// The install folder recorded by the last installation, else the default.
std::string InitialInstallFolder(platform::SettingsStore& settings);

}  // namespace lumtrak::setup

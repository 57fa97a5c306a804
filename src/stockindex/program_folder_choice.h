#pragma once

#include <string>

#include "platform/settings_store.h"

namespace lumtrak::stockindex {

// Where the editor keeps the simulator's folder that the user named.
inline constexpr const char* kProgramFolderGroup = "Editor";
inline constexpr const char* kProgramFolderKey = "ProgramFolder";

// The program folder of an editor that neither --program-dir nor
// $LUMTRAK_PROGRAM_DIR gives one. A program that lies in the simulator's folder
// (a "Stock Index", in any case, beside it) uses its own folder. An installed
// program's folder holds no index: it uses the simulator's folder that the user
// named before, while that is still a folder; else the user is asked, starting
// from the folder that the installer recorded, else from the one named before.
struct ProgramFolderChoice {
    bool ask = false;
    std::string folder;  // the program folder, or where asking starts (may be empty)
};

ProgramFolderChoice ChooseProgramFolder(const std::string& executableFolder,
                                        platform::SettingsStore& editorSettings,
                                        platform::SettingsStore& installSettings);

// Keeps the folder that the user named, for every later start.
void RememberProgramFolder(platform::SettingsStore& editorSettings, const std::string& folder);

}  // namespace lumtrak::stockindex

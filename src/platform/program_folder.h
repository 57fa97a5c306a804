#pragma once

#include <string>

namespace lumtrak::platform {

// The folder that plays the part of the program's own folder: "Stock Index",
// the stock folders and "Textures" are found in it. Resolved as the override set
// here (the command line's --program-dir), else $LUMTRAK_PROGRAM_DIR, else the
// folder of the running executable.
std::string ProgramFolder();
void SetProgramFolderOverride(std::string folder);  // an empty text clears it
std::string ExecutableFolder();
// Whether the override or $LUMTRAK_PROGRAM_DIR names the program folder.
bool ProgramFolderNamed();

}  // namespace lumtrak::platform

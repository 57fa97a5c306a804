#pragma once

#include <string>

#include "setup/installation.h"
#include "setup/move_file_into.h"
#include "setup/package_layout.h"

namespace lumtrak::setup {

// Sorts one section of the package by its list file: the files that the list
// names move from the package's section folder into the install folder's
// section folder, or into the sub-folder selected last. `package` and `target`
// are absolute and end in "/". Nothing is created or moved outside the section
// folder of the target, nor through a link below the target (the section is
// then left in the package); links in the package are never followed; files
// already in `placed` are not replaced. The list is read a line at a time.
void InstallSection(const std::string& package, const std::string& target, const Section& section,
                    PlacedFiles& placed, InstallReport& report);

}  // namespace lumtrak::setup

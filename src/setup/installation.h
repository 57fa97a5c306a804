#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace lumtrak::setup {

inline constexpr const char* kSetupComplete = "Setup Complete";
inline constexpr const char* kSetupCaption = "Lumtrak Setup";

struct InstallFolders {
    std::string package;    // the unpacked package that is moved into place
    std::string target;     // the install folder as typed; a "/" is added when missing
    std::string startMenu;  // the desktop's applications folder; "Lumtrak" is created in it
    std::string system;     // where the screen saver goes
};

struct InstallOptions {
    bool startMenuItems = false;
    bool sampleLayouts = true;
    bool screensaver = true;
};

// What the installation could not do, one line each ("Stock/a.stk: not found").
// The installation runs to its end all the same. Only the first lines are kept;
// the rest are counted.
struct InstallReport {
    static constexpr std::size_t kKeptProblems = 100;

    std::vector<std::string> problems;  // the first kKeptProblems
    std::size_t moreProblems = 0;       // noted after those

    void Note(const std::string& item, const std::string& reason) {
        if (problems.size() < kKeptProblems) {
            problems.push_back(item + ": " + reason);
        } else {
            ++moreProblems;
        }
    }
    std::size_t ProblemCount() const { return problems.size() + moreProblems; }
};

// Moves the package into the install folder: the program files, the screen
// saver, the sample layouts, the sections sorted by their list files and the
// leftover stock; records the installation paths in settings group "Paths";
// deletes the install folder's stale index files; and, when asked, moves the
// shortcuts into the start menu. Relative folders are taken against the current
// folder, which is never changed.
InstallReport Install(const InstallFolders& folders, const InstallOptions& options,
                      platform::SettingsStore& settings);

// Whether folder holds a simulator package: its program, its layouts or one of
// the sections that an installation sorts (names in any case). An installed
// setup program's own folder holds none.
bool HoldsPackage(const std::string& folder);

}  // namespace lumtrak::setup

#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/file_lock.h"
#include "recovery/recovery_copy.h"

namespace lumtrak::recovery {

// "$XDG_DATA_HOME/lumtrak/recovery" (by default ~/.local/share/lumtrak/recovery).
std::string DefaultRecoveryFolder();

// A copy that a run of the editor left behind when it ended without removing
// it: it crashed or was killed.
struct LeftCopy {
    std::string fileName;  // in the recovery folder
    std::string run;       // the run that wrote it
    CopyReading reading;
};

// The recovery folder as one run of the editor uses it. The run holds the
// lock of a file of its own there while it lives ("RUN.lock"), and names its
// copies after itself ("RUN.NUMBER.recovery"); the lock of a run that has
// ended, however it ended, can be taken, and so tells its copies from those
// of a run that still goes on.
class RecoveryFolder {
  public:
    // Makes the folder (mode 0700; its parents as needed) and takes this run's
    // lock in it. Nothing, with error saying why, when the folder cannot be
    // had: it is not a folder of this user's, or cannot be made.
    static std::unique_ptr<RecoveryFolder> Open(const std::string& folder, std::error_code& error);
    // Lets go of this run's lock and removes its file; the copies are the
    // caller's to remove.
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;

    const std::string& Folder() const { return folder_; }
    const std::string& Run() const { return run_; }
    std::string CopyPath(std::uint64_t number) const;

    // Replaces this run's copy number with the text, through the kit's file
    // replacement: a crash while it is written leaves the copy before.
    // These two change nothing in the object and may run on another thread.
    std::error_code WriteCopy(std::uint64_t number, const CopyHeader& header,
                              std::string_view text) const;
    std::error_code RemoveCopy(std::uint64_t number) const;

    // The copies of the runs that have ended, read whole. Each of those runs
    // stays claimed (its lock held) until ReleaseClaims, so that another run
    // that starts meanwhile does not offer the same copies.
    std::vector<LeftCopy> ClaimLeftCopies();
    // Makes a left copy this run's copy number: renamed, not written again.
    std::error_code Adopt(const LeftCopy& copy, std::uint64_t number);
    std::error_code Discard(const LeftCopy& copy);
    // Lets go of the claimed runs; those without copies left lose their lock
    // files too, and what a write cut short left of theirs goes.
    void ReleaseClaims();

  private:
    RecoveryFolder(std::string folder, std::string run, platform::FileLock lock);
    std::string PathOf(std::string_view name) const;

    std::string folder_;
    std::string run_;
    platform::FileLock lock_;
    std::map<std::string, platform::FileLock> claims_;
};

}  // namespace lumtrak::recovery

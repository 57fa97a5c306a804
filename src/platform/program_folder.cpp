#include "platform/program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/current_folder.h"

namespace lumtrak::platform {
namespace {

std::string& Override() {
    static std::string folder;
    return folder;
}

// The current folder when the program started: relative program folders are
// taken against it, since the current folder changes while the program runs.
const std::string kStartFolder = CurrentFolder();

std::string Absolute(const std::string& folder) {
    if (folder.empty() || folder.front() == '/') return folder;
    return (std::filesystem::path(kStartFolder) / folder).lexically_normal().string();
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return exe.parent_path().string();
}

std::string ProgramFolder() {
    if (!Override().empty()) return Override();
    if (const char* fromEnvironment = std::getenv("LUMTRAK_PROGRAM_DIR");
        fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return Absolute(fromEnvironment);
    }
    return ExecutableFolder();
}

void SetProgramFolderOverride(std::string folder) {
    Override() = Absolute(folder);
}

void EnterProgramFolder() {
    ChangeCurrentFolder(ProgramFolder());
}

}  // namespace lumtrak::platform

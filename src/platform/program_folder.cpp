#include "platform/program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace lumtrak::platform {
namespace {

std::string& Override() {
    static std::string folder;
    return folder;
}

// A relative program folder is taken against the folder the program started
// in (nothing changes the current folder) and kept absolute, as the index's
// entry paths begin with it.
std::string Absolute(const std::string& folder) {
    if (folder.empty() || folder.front() == '/') return folder;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(folder, error);
    return error ? folder : absolute.lexically_normal().string();
}

// $LUMTRAK_PROGRAM_DIR, or null when it is not set or empty.
const char* EnvironmentFolder() {
    const char* folder = std::getenv("LUMTRAK_PROGRAM_DIR");
    return folder != nullptr && *folder != '\0' ? folder : nullptr;
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
    if (const char* fromEnvironment = EnvironmentFolder()) return Absolute(fromEnvironment);
    return ExecutableFolder();
}

bool ProgramFolderNamed() {
    return !Override().empty() || EnvironmentFolder() != nullptr;
}

void SetProgramFolderOverride(std::string folder) {
    Override() = Absolute(folder);
}

}  // namespace lumtrak::platform

#include "stockindex/program_folder_choice.h"

#include <optional>
#include <system_error>

#include "platform/folder_lookup.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {
namespace {

bool HoldsStockIndex(const std::string& folder) {
    platform::FolderLookup lookup;
    std::error_code error;
    return lookup.OpenFile(platform::Folder::Open(folder), kIndexFileName, error).IsOpen();
}

bool IsFolder(const std::string& path) {
    return !path.empty() && platform::Folder::Open(path).IsOpen();
}

std::string NonEmpty(const std::optional<std::string>& value) {
    return value.value_or(std::string());
}

}  // namespace

ProgramFolderChoice ChooseProgramFolder(const std::string& executableFolder,
                                        platform::SettingsStore& editorSettings,
                                        platform::SettingsStore& installSettings) {
    if (HoldsStockIndex(executableFolder)) return {false, executableFolder};
    const std::string named = NonEmpty(editorSettings.Read(kProgramFolderGroup, kProgramFolderKey));
    if (IsFolder(named)) return {false, named};
    const std::string installed =
        NonEmpty(installSettings.Read(platform::kPathsGroup, platform::kProgramKey));
    return {true, installed.empty() ? named : installed};
}

void RememberProgramFolder(platform::SettingsStore& editorSettings, const std::string& folder) {
    editorSettings.Write(kProgramFolderGroup, kProgramFolderKey, folder);
}

}  // namespace lumtrak::stockindex

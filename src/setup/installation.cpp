#include "setup/installation.h"

#include <filesystem>
#include <optional>

#include "setup/folder_paths.h"
#include "setup/list_section.h"
#include "setup/move_file_into.h"
#include "setup/package_layout.h"

namespace lumtrak::setup {
namespace fs = std::filesystem;
namespace {

// What one installation run carries along.
struct Run {
    PlacedFiles placed;
    InstallReport report;
};

void MoveNoting(const std::string& from, const std::string& to, std::string_view name,
                const std::string& item, Run& run) {
    const auto outcome = MoveFileInto(from, to, name, &run.placed);
    if (!outcome.Moved()) run.report.Note(item, outcome.Describe());
}

// The plain folder `name` of the package, or nothing when it is missing or a
// link, which is not followed; noteProblems says whether to note why.
std::optional<std::string> PackageFolder(const std::string& package, std::string_view name,
                                         bool noteProblems, InstallReport& report) {
    const auto folder = FindInFolder(package, name);
    if (folder && IsPlainFolder(*folder)) return folder;
    if (noteProblems) {
        report.Note(std::string(name), folder ? "not a plain folder in the package, left in place"
                                              : "not in the package");
    }
    return std::nullopt;
}

// Moves every file of the package folder `name` that ends in extension.
void MoveAllWithExtension(const std::string& package, std::string_view name,
                          std::string_view extension, const std::string& to, bool noteProblems,
                          Run& run) {
    const auto from = PackageFolder(package, name, noteProblems, run.report);
    if (!from) return;
    for (const auto& file : NamesWithExtension(*from, extension)) {
        MoveNoting(*from, to, file, std::string(name) + "/" + file, run);
    }
}

// The folder made absolute; nothing (noted) when none is given.
std::optional<std::string> GivenFolder(const std::string& folder, std::string_view item,
                                       InstallReport& report) {
    if (folder.empty()) {
        report.Note(std::string(item), "no folder given, skipped");
        return std::nullopt;
    }
    return AbsoluteFolder(folder);
}

void CreateFolderNoting(const std::string& folder, InstallReport& report) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) report.Note(folder, "folder not created: " + error.message());
}

void DeleteStaleIndexes(const std::string& target, InstallReport& report) {
    for (auto name : kIndexFiles) {
        const auto index = FindInFolder(target, name);
        if (!index) continue;
        std::error_code error;
        if (fs::symlink_status(*index, error).type() == fs::file_type::directory) continue;
        fs::remove(*index, error);
        if (error) report.Note(*index, "not deleted: " + error.message());
    }
}

void InstallShortcuts(const std::string& package, const std::string& startMenu, Run& run) {
    CreateFolderNoting(startMenu, run.report);
    const std::string menu = startMenu + std::string(kStartMenuFolder);
    std::error_code ignored;
    fs::create_directory(menu, ignored);
    for (auto shortcut : kShortcuts) {
        MoveNoting(package, menu, shortcut, std::string(shortcut), run);
    }
}

}  // namespace

InstallReport Install(const InstallFolders& folders, const InstallOptions& options,
                      platform::SettingsStore& settings) {
    Run run;
    InstallReport& report = run.report;
    if (folders.target.empty()) {
        report.Note("Install to", "no folder given, nothing installed");
        return report;
    }
    const std::string package = AbsoluteFolder(folders.package);
    const std::string target = AbsoluteFolder(folders.target);

    CreateFolderLevels(target);
    std::error_code error;
    if (!fs::is_directory(target, error)) report.Note(target, "install folder not created");

    for (auto file : kProgramFiles) {
        MoveNoting(package, target, file, std::string(file), run);
    }

    if (options.screensaver) {
        if (const auto system = GivenFolder(folders.system, kScreensaver, report)) {
            CreateFolderNoting(*system, report);
            MoveNoting(package, *system, kScreensaver, std::string(kScreensaver), run);
        }
    }

    if (options.sampleLayouts) {
        MoveAllWithExtension(package, kLayoutsFolder, kLayoutExtension, target, true, run);
    }

    for (const auto& section : kSections) {
        InstallSection(package, target, section, run.placed, report);
    }

    // Stock files that the list left out still belong with the stock. Problems
    // with the stock folders themselves were noted with their section.
    const std::string stockTarget = target + std::string(kStockFolder);
    if (IsPlainFolder(stockTarget)) {
        MoveAllWithExtension(package, kStockFolder, kStockExtension, stockTarget, false, run);
    }

    settings.Write(platform::kPathsGroup, platform::kProgramKey, target);
    settings.Write(platform::kPathsGroup, platform::kStockKey,
                   target + std::string(kStockFolder) + "/");
    settings.Write(platform::kPathsGroup, platform::kStockEditorKey, target);

    DeleteStaleIndexes(target, report);

    if (options.startMenuItems) {
        if (const auto startMenu = GivenFolder(folders.startMenu, "Start menu", report)) {
            InstallShortcuts(package, *startMenu, run);
        }
    }
    return report;
}

bool HoldsPackage(const std::string& folder) {
    if (FindInFolder(folder, kProgramExecutable) || FindInFolder(folder, kLayoutsFolder)) {
        return true;
    }
    for (const Section& section : kSections) {
        if (FindInFolder(folder, section.folder)) return true;
    }
    return false;
}

}  // namespace lumtrak::setup

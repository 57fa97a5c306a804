#pragma once

#include <array>
#include <string_view>

// The names that a simulator package and its installation use.
namespace lumtrak::setup {

inline constexpr std::string_view kProgramExecutable = "Lumtrak.exe";
inline constexpr std::array<std::string_view, 6> kProgramFiles = {
    kProgramExecutable,         "LTK.dll",   "D3D.dll",
    "Lumtrak Stock Editor.exe", "sccon.txt", "LTK User Guide.chm",
};
inline constexpr std::string_view kScreensaver = "Lumtrak.scr";
inline constexpr std::array<std::string_view, 3> kShortcuts = {
    "User Guide.lnk",
    "Lumtrak.lnk",
    "Stock Editor.lnk",
};

inline constexpr std::string_view kLayoutsFolder = "Layouts";
inline constexpr std::string_view kLayoutExtension = ".trk";
inline constexpr std::string_view kStockExtension = ".stk";

// A package folder whose files are sorted into sub-folders by its list file.
struct Section {
    std::string_view folder;
    std::string_view list;
};
// In the order they are installed.
inline constexpr std::array<Section, 4> kSections = {{
    {"Scenery", "scenery"},
    {"Signals", "signals"},
    {"Textures", "textures"},
    {"Stock", "stock"},
}};
inline constexpr std::string_view kStockFolder = "Stock";

// Stale after an installation: the stock index is rebuilt by the editor.
inline constexpr std::array<std::string_view, 2> kIndexFiles = {"Stock index", "Scenery index"};

inline constexpr std::string_view kStartMenuFolder = "Lumtrak";

}  // namespace lumtrak::setup

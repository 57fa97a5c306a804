#pragma once

#include <QKeySequence>
#include <vector>

#include "editor/command_ids.h"

namespace lumtrak::editor {

// A menu item; Command::None stands for a separator, and FileMru1 for the place
// of the recent-file entries. Texts carry their mnemonic ('&') and, after a
// tab, the accelerator that they name.
struct MenuItem {
    Command command;
    const char* text;
};

struct MenuDefinition {
    const char* title;
    std::vector<MenuItem> items;
};

// The menu bar of resource 128 (no document open), 129 (stock documents), 130
// (scenery) or 131 (signals).
std::vector<MenuDefinition> MenuResource(int resource);

// The translation context of the menu texts.
inline constexpr const char* kMenuContext = "Menu";

// Toolbar 128, in its order; Command::None is a separator.
struct ToolbarButton {
    Command command;
    const char* icon;     // resource path
    const char* tooltip;  // in kMenuContext
};
std::vector<ToolbarButton> ToolbarResource();

// Accelerator table 128.
struct Accelerator {
    Command command;
    QKeySequence keys;
};
std::vector<Accelerator> AcceleratorResource();

}  // namespace lumtrak::editor

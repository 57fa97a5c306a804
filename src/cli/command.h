#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/arguments.h"

namespace lumtrak::cli {

// One sub-command of lumtrak-stock.
struct Command {
    std::string name;
    std::string synopsis;  // the usage after "lumtrak-stock NAME"
    std::string summary;   // one line for the command list
    std::vector<OptionSpec> options;
    FileArgument file = FileArgument::None;
    std::function<int(const Arguments& arguments)> run;
    // A command word that groups others ("index rebuild"): the next word names
    // one of these, and run is not used.
    std::vector<Command> subCommands = {};
};

// Every command, in the order the help lists them.
const std::vector<Command>& Commands();

// The commands, each defined in its own file.
Command ModelCommand();
Command Draw2dCommand();
Command InstallCommand();
Command IndexCommand();
Command RequiredFilesCommand();
Command SceneCommand();
Command Render3dCommand();
Command CheckCommand();
Command ExportCommand();

// The editing tools (tool_command.h).
Command ShiftCommand();
Command ReflectCommand();
Command StretchCommand();
Command ImperialToMetricCommand();
Command MetricToImperialCommand();
Command Rotate90LeftCommand();
Command Rotate90RightCommand();
Command RotateVerticesLeftCommand();
Command RotateVerticesRightCommand();
Command ReversePanelCommand();
Command MatrixCommand();
Command CylindersCommand();
Command DivideCommand();
Command CutOutCommand();
Command SetD3DOnlyCommand();
Command AutoQCommand();
Command CountPanelsCommand();

}  // namespace lumtrak::cli

#pragma once

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
    int (*run)(const Arguments& arguments) = nullptr;
};

// Every command, in the order the help lists them.
const std::vector<Command>& Commands();

// The commands, each defined in its own file.
Command ModelCommand();
Command Draw2dCommand();
Command InstallCommand();

}  // namespace lumtrak::cli

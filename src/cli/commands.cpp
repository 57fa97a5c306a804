#include "cli/command.h"

namespace lumtrak::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        ModelCommand(),
        InstallCommand(),
    };
    return commands;
}

}  // namespace lumtrak::cli

#include "cli/command.h"

namespace lumtrak::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        ModelCommand(),
        Draw2dCommand(),
        InstallCommand(),
    };
    return commands;
}

}  // namespace lumtrak::cli

#include "cli/command.h"

namespace lumtrak::cli {
namespace {

int RunInstall(const Arguments&) { throw CommandFailure("install is not built yet"); }

}  // namespace

Command InstallCommand() {
    return {"install", "--target DIR [--source DIR] [--start-menu] [--no-samples]",
            "install the simulator package into a folder", {}, FileArgument::None, &RunInstall};
}

}  // namespace lumtrak::cli

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/standard_streams.h"

int main(int argc, char** argv) {
    lumtrak::platform::ReserveStandardStreams();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return lumtrak::cli::RunCommandLine(args);
}

#pragma once

#include <span>
#include <string>

#include "cli/arguments.h"
#include "cli/command.h"

namespace lumtrak::cli {

inline constexpr const char* kProgramName = "lumtrak-stock";

// What a whole command line asks for, before anything runs.
struct Invocation {
    enum class Kind { Help, Version, CommandHelp, Run };
    Kind kind = Kind::Help;
    const Command* command = nullptr;  // for CommandHelp and Run
    std::string words;                 // the command's words: "model", "index rebuild"
    Arguments arguments;               // for Run
};

// Parses the arguments after the program name. Throws UsageError.
Invocation ParseCommandLine(std::span<const std::string> args);

// Parses and runs a command line: prints the help or version, or runs the
// command. Returns the exit status: 0 done, 2 bad usage, 1 any other failure,
// each failure reported on one line on standard error.
int RunCommandLine(std::span<const std::string> args);

}  // namespace lumtrak::cli

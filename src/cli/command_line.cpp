#include "cli/command_line.h"

#include <algorithm>
#include <exception>
#include <iostream>

namespace lumtrak::cli {
namespace {

constexpr const char* kVersion = "0.1.0";

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

void PrintHelp() {
    std::cout << "Usage: " << kProgramName << " COMMAND [OPTIONS] [FILE]\n\n"
              << "The command line of the Lumtrak authoring kit. FILE is a definition text\n"
              << "read as raw bytes; - reads standard input.\n\nCommands:\n";
    for (const auto& command : Commands()) {
        std::string name = command.name;
        name.resize(std::max<std::size_t>(name.size(), 18), ' ');
        std::cout << "  " << name << command.summary << "\n";
    }
    std::cout << "\n"
              << kProgramName << " COMMAND --help shows a command's options.\n"
              << kProgramName << " --version prints the version.\n";
}

void PrintCommandHelp(const Command& command) {
    std::cout << "Usage: " << kProgramName << " " << command.name << " " << command.synopsis
              << "\n\n"
              << command.summary << "\n";
    if (!command.options.empty()) std::cout << "\nOptions:\n";
    for (const auto& option : command.options) {
        std::string name = option.name + (option.takesValue ? " VALUE" : "");
        name.resize(std::max<std::size_t>(name.size(), 24), ' ');
        std::cout << "  " << name << option.help << "\n";
    }
}

int Failure(const std::string& reason, int status) {
    std::cerr << kProgramName << ": " << reason << "\n";
    return status;
}

}  // namespace

Invocation ParseCommandLine(std::span<const std::string> args) {
    Invocation invocation;
    if (args.empty()) return invocation;
    if (IsHelp(args[0]) || args[0] == "help") return invocation;
    if (args[0] == "--version") {
        invocation.kind = Invocation::Kind::Version;
        return invocation;
    }
    const auto& commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const Command& c) { return c.name == args[0]; });
    if (command == commands.end()) throw UsageError("unknown command '" + args[0] + "'");
    invocation.command = &*command;

    const auto rest = args.subspan(1);
    if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
        invocation.kind = Invocation::Kind::CommandHelp;
        return invocation;
    }
    invocation.kind = Invocation::Kind::Run;
    invocation.arguments = Arguments::Parse(rest, command->options, command->file);
    return invocation;
}

int RunCommandLine(std::span<const std::string> args) {
    if (args.empty()) {
        PrintHelp();
        return 2;
    }
    try {
        const Invocation invocation = ParseCommandLine(args);
        switch (invocation.kind) {
            case Invocation::Kind::Help:
                PrintHelp();
                return 0;
            case Invocation::Kind::Version:
                std::cout << kProgramName << " " << kVersion << "\n";
                return 0;
            case Invocation::Kind::CommandHelp:
                PrintCommandHelp(*invocation.command);
                return 0;
            case Invocation::Kind::Run:
                return invocation.command->run(invocation.arguments);
        }
        return 0;
    } catch (const UsageError& error) {
        return Failure(error.what(), 2);
    } catch (const std::exception& error) {
        return Failure(error.what(), 1);
    }
}

}  // namespace lumtrak::cli

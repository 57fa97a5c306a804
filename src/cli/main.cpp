#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"

namespace {

constexpr const char* kProgram = "lumtrak-stock";
constexpr const char* kVersion = "0.1.0";

void PrintHelp() {
    std::cout << "Usage: " << kProgram << " COMMAND [OPTIONS] [FILE]\n\n"
              << "The command line of the Lumtrak authoring kit. FILE is a definition text\n"
              << "read as raw bytes; - reads standard input.\n\nCommands:\n";
    for (const auto& command : lumtrak::cli::Commands()) {
        std::string name = command.name;
        name.resize(std::max<std::size_t>(name.size(), 18), ' ');
        std::cout << "  " << name << command.summary << "\n";
    }
    std::cout << "\n"
              << kProgram << " COMMAND --help shows a command's options.\n"
              << kProgram << " --version prints the version.\n";
}

void PrintCommandHelp(const lumtrak::cli::Command& command) {
    std::cout << "Usage: " << kProgram << " " << command.name << " " << command.synopsis << "\n\n"
              << command.summary << "\n";
    if (!command.options.empty()) std::cout << "\nOptions:\n";
    for (const auto& option : command.options) {
        std::string name = option.name + (option.takesValue ? " VALUE" : "");
        name.resize(std::max<std::size_t>(name.size(), 24), ' ');
        std::cout << "  " << name << option.help << "\n";
    }
}

int UsageFailure(const std::string& reason) {
    std::cerr << kProgram << ": " << reason << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp();
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp();
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << kProgram << " " << kVersion << "\n";
        return 0;
    }

    const lumtrak::cli::Command* command = nullptr;
    for (const auto& candidate : lumtrak::cli::Commands()) {
        if (candidate.name == args[0]) command = &candidate;
    }
    if (command == nullptr) return UsageFailure("unknown command '" + args[0] + "'");

    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const auto& arg : rest) {
        if (arg == "--help" || arg == "-h") {
            PrintCommandHelp(*command);
            return 0;
        }
    }
    try {
        const auto arguments =
            lumtrak::cli::Arguments::Parse(rest, command->options, command->file);
        return command->run(arguments);
    } catch (const lumtrak::cli::UsageError& error) {
        return UsageFailure(error.what());
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << "\n";
        return 1;
    }
}

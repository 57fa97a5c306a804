#include "cli/command_line.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/common_options.h"
#include "lumtrak_version.h"

namespace lumtrak::cli {
namespace {

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

// "  NAME  DESCRIPTION" lines whose descriptions start in one column, two
// blanks after the longest name.
void PrintEntries(std::ostream& out,
                  const std::vector<std::pair<std::string, std::string>>& entries) {
    std::size_t width = 0;
    for (const auto& [name, description] : entries)
        width = std::max(width, name.size());
    for (const auto& [name, description] : entries)
        out << "  " << name << std::string(width - name.size() + 2, ' ') << description << "\n";
}

void PrintHelp(std::ostream& out) {
    out << "Usage: " << kProgramName << " COMMAND [OPTIONS] [FILE]\n\n"
        << "The command line of the Lumtrak authoring kit. FILE is a definition text\n"
        << "read as raw bytes; - reads standard input.\n\nCommands:\n";
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& command : Commands())
        entries.emplace_back(command.name, command.summary);
    PrintEntries(out, entries);
    out << "\n"
        << kProgramName << " COMMAND --help shows a command's options.\n"
        << kProgramName << " --version prints the version.\n";
}

void PrintCommandHelp(const Command& command, const std::string& words) {
    std::cout << "Usage: " << kProgramName << " " << words << " " << command.synopsis << "\n\n"
              << command.summary << "\n";
    if (!command.subCommands.empty()) std::cout << "\nCommands:\n";
    for (const auto& sub : command.subCommands) {
        std::cout << "  " << words << " " << sub.name << " " << sub.synopsis << "\n      "
                  << sub.summary << "\n";
    }
    if (!command.options.empty()) std::cout << "\nOptions:\n";
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& option : command.options)
        entries.emplace_back(option.name + (option.takesValue ? " VALUE" : ""), option.help);
    PrintEntries(std::cout, entries);
}

const Command* FindCommand(const std::vector<Command>& commands, const std::string& name) {
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command& c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

int Failure(const std::string& reason, int status) {
    std::cerr << kProgramName << ": " << reason << "\n";
    return status;
}

int ParseAndRun(std::span<const std::string> args) {
    try {
        const Invocation invocation = ParseCommandLine(args);
        switch (invocation.kind) {
            case Invocation::Kind::Help:
                PrintHelp(std::cout);
                return 0;
            case Invocation::Kind::Version:
                std::cout << kProgramName << " " << kLumtrakVersion << "\n";
                return 0;
            case Invocation::Kind::CommandHelp:
                PrintCommandHelp(*invocation.command, invocation.words);
                return 0;
            case Invocation::Kind::Run:
                return invocation.command->run(invocation.arguments);
        }
        return 0;
    } catch (const UsageError& error) {
        Failure(error.what(), 2);
        // Without any arguments the usage follows the reason.
        if (args.empty()) PrintHelp(std::cerr);
        return 2;
    } catch (const std::exception& error) {
        return Failure(error.what(), 1);
    }
}

}  // namespace

Invocation ParseCommandLine(std::span<const std::string> args) {
    Invocation invocation;
    if (args.empty()) throw UsageError("missing COMMAND");
    if (IsHelp(args[0]) || args[0] == "help") return invocation;
    if (args[0] == "--version") {
        invocation.kind = Invocation::Kind::Version;
        return invocation;
    }
    const Command* command = FindCommand(Commands(), args[0]);
    if (command == nullptr) throw UsageError("unknown command '" + args[0] + "'");
    invocation.words = command->name;
    std::size_t used = 1;
    // A command that groups others takes the next word as the one to run.
    for (; !command->subCommands.empty(); ++used) {
        if (used == args.size()) {
            throw UsageError("missing command after '" + invocation.words + "'");
        }
        if (IsHelp(args[used])) {
            invocation.command = command;
            invocation.kind = Invocation::Kind::CommandHelp;
            return invocation;
        }
        command = FindCommand(command->subCommands, args[used]);
        if (command == nullptr) {
            throw UsageError("unknown command '" + invocation.words + " " + args[used] + "'");
        }
        invocation.words += " " + command->name;
    }
    invocation.command = command;
    invocation.arguments = Arguments::Parse(args.subspan(used), command->options, command->file);
    invocation.kind = invocation.arguments.HelpRequested() ? Invocation::Kind::CommandHelp
                                                           : Invocation::Kind::Run;
    return invocation;
}

int RunCommandLine(std::span<const std::string> args) {
    const int status = ParseAndRun(args);
    // Every command's output ends here, so none can report success for output
    // that was lost (a full disk, a closed pipe end).
    if (const auto failure = FlushStandardOutput()) {
        // A command that failed to write has said so already.
        if (status != 1) Failure(kCannotWriteOutput + *failure, 1);
        return 1;
    }
    return status;
}

}  // namespace lumtrak::cli

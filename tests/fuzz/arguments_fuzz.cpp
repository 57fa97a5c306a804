// The command-line parser of lumtrak-stock on arbitrary argument vectors (the
// input split at zero bytes): it either understands the command line or
// rejects it with a UsageError, and the option values it keeps read the same
// way. Nothing is run.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/common_options.h"
#include "cli/tool_command.h"

namespace {

std::vector<std::string> SplitAtZeroBytes(std::string_view input) {
    std::vector<std::string> args;
    while (!input.empty()) {
        const auto zero = input.find('\0');
        args.emplace_back(input.substr(0, zero));
        if (zero == std::string_view::npos) break;
        input.remove_prefix(zero + 1);
    }
    return args;
}

// Every kept value through the value readers that commands use.
void ReadValues(const lumtrak::cli::Invocation& invocation) {
    using namespace lumtrak::cli;
    for (const auto& option : invocation.command->options) {
        const auto value = invocation.arguments.Value(option.name);
        if (!option.takesValue) {
            if (value && !value->empty()) std::abort();
            continue;
        }
        if (!value) continue;
        try {
            ParseInteger(option.name, *value);
        } catch (const UsageError&) {
        }
        try {
            ParseSize(option.name, *value);
        } catch (const UsageError&) {
        }
        TextFieldOption(invocation.arguments, option.name);
        try {
            IntegerFieldOption(invocation.arguments, option.name);
        } catch (const UsageError&) {
        }
        try {
            IntegerListOption(invocation.arguments, option.name, {0, 0, 0}, INT32_MIN, INT32_MAX);
        } catch (const UsageError&) {
        }
    }
    try {
        const auto selection = SelectionFrom(invocation.arguments);
        if (selection.end < selection.start) std::abort();
    } catch (const UsageError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto args = SplitAtZeroBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        const auto invocation = lumtrak::cli::ParseCommandLine(args);
        if (invocation.kind == lumtrak::cli::Invocation::Kind::Run) ReadValues(invocation);
    } catch (const lumtrak::cli::UsageError&) {
    }
    return 0;
}

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "cli/json_writer.h"
#include "tools/point.h"
#include "tools/rewrite_result.h"

// The commands of the editing tools: each applies one tool to a file's text and
// selection and writes the resulting text, or it and the selection as JSON.
namespace lumtrak::cli {

// What one run of a tool gives.
struct ToolOutcome {
    ToolOutcome(tools::RewriteResult result) : rewrite(std::move(result)) {}

    tools::RewriteResult rewrite;
    // Writes the members of the JSON "result" object; none when empty.
    std::function<void(JsonWriter&)> writeResult;
    // When not empty: what the command prints instead of the text, unless the text
    // goes to -o or --in-place or the output is JSON.
    std::string report;
};

// A tool with its parameters taken from the command line.
using ToolRun = std::function<ToolOutcome(std::string_view text, tools::Selection selection)>;

struct ToolCommandDefinition {
    std::string name;
    std::string summary;
    std::string optionsSynopsis;  // e.g. "[--w T] [--l T] [--h T]"
    std::vector<OptionSpec> options;
    // Reads the tool's options, throwing UsageError for malformed values.
    std::function<ToolRun(const Arguments& arguments)> prepare;
};

// The command for a tool, with the options every tool command has: the selection,
// -o OUT, --in-place and --json.
Command ToolCommand(ToolCommandDefinition definition);

// The command for a tool without options of its own.
using PlainTool = tools::RewriteResult (*)(std::string_view text, tools::Selection selection);
Command PlainToolCommand(std::string name, std::string summary, PlainTool tool);

// A text field of a tool's dialog, converted as atoi converts it (text that is not
// a number gives 0); fallback when the option is absent.
std::int32_t TextFieldOption(const Arguments& arguments, std::string_view option,
                             std::int32_t fallback = 0);
// --w, --l and --h as text fields.
tools::Point AxisTextFields(const Arguments& arguments, std::int32_t fallback = 0);
// An integer field of a dialog: a whole number in the 32-bit range, else a usage error.
std::int32_t IntegerFieldOption(const Arguments& arguments, std::string_view option,
                                std::int32_t fallback = 0);
// As many whole numbers as fallback holds, separated by commas, each from low to
// high, else a usage error ("--a W,L,H", "--colour-a R,G,B"); fallback when absent.
std::vector<std::int32_t> IntegerListOption(const Arguments& arguments, std::string_view option,
                                            std::vector<std::int32_t> fallback, std::int32_t low,
                                            std::int32_t high);

}  // namespace lumtrak::cli

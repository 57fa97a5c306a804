#include "cli/tool_command.h"

#include "cli/cli_messages.h"
#include "cli/common_options.h"
#include "cli/output_file.h"
#include "model/characters.h"

namespace lumtrak::cli {
namespace {

std::vector<OptionSpec> CommonToolOptions() {
    return {SelectionOption(),
            CaretOption(),
            {"-o", true, "write the resulting text to OUT"},
            {"--in-place", false, "replace FILE with the resulting text (atomically)"},
            {"--json", false, "print {\"text\", \"selection\", \"messages\", \"result\"}"}};
}

void PrintJson(const tools::RewrittenText& text, const ToolOutcome& outcome,
               const CliMessageSink& messages, const std::vector<std::string>& notes) {
    JsonWriter json(&WriteStdout);
    json.BeginObject();
    json.Key("text").String({text.before, text.replacement, text.after});
    const auto selection = text.selection;
    json.Key("selection").BeginArray();
    json.Int(static_cast<std::int64_t>(selection.start));
    json.Int(static_cast<std::int64_t>(selection.end)).EndArray();
    WriteMessagesAndNotes(json, messages, notes);
    json.Key("result").BeginObject();
    if (outcome.writeResult) outcome.writeResult(json);
    json.EndObject();
    PrintJsonObject(json);
}

int RunTool(const ToolCommandDefinition& definition, const Arguments& arguments) {
    const auto requested = SelectionFrom(arguments);
    if (arguments.Has("-o") && arguments.Has("--in-place")) {
        throw UsageError("-o and --in-place exclude each other");
    }
    if (arguments.Has("--in-place") && arguments.File() == "-") {
        throw UsageError("--in-place needs a FILE, not standard input");
    }
    if (const auto out = arguments.Value("-o"); out && out->empty()) {
        throw UsageError("option -o needs a file name");
    }
    const ToolRun run = definition.prepare(arguments);

    const std::string bytes = ReadDefinitionFile(arguments.File());
    const ToolOutcome outcome =
        run(bytes, tools::ClampSelection({requested.start, requested.end}, bytes.size()));
    CliMessageSink messages;
    for (const auto& message : outcome.rewrite.messages)
        messages.Show(message.caption, message.text);
    // The text with the rewrite, written out piece by piece: the only copy of
    // the selected bytes is the tool's result.
    const tools::RewrittenText text = tools::Rewritten(bytes, outcome.rewrite);

    const bool textWritten = arguments.Has("-o") || arguments.Has("--in-place");
    std::vector<std::string> notes;
    if (textWritten) {
        const std::string path = arguments.Value("-o").value_or(arguments.File());
        if (auto note = WriteOutputFile(path, {text.before, text.replacement, text.after})) {
            notes.push_back(std::move(*note));
        }
    }
    WriteNotes(notes);
    if (arguments.Has("--json")) {
        PrintJson(text, outcome, messages, notes);
    } else if (!outcome.report.empty()) {
        WriteStdout(outcome.report);
    } else if (!textWritten) {
        for (const std::string_view piece : {text.before, text.replacement, text.after})
            WriteStdout(piece);
    }
    return 0;
}

}  // namespace

Command ToolCommand(ToolCommandDefinition definition) {
    Command command;
    command.name = definition.name;
    command.synopsis =
        "FILE [--sel A:B | --caret N]" +
        (definition.optionsSynopsis.empty() ? std::string() : " " + definition.optionsSynopsis) +
        " [-o OUT | --in-place] [--json]";
    command.summary = definition.summary;
    command.options = CommonToolOptions();
    command.options.insert(command.options.begin() + 2, definition.options.begin(),
                           definition.options.end());
    command.file = FileArgument::Required;
    command.run = [definition = std::move(definition)](const Arguments& arguments) {
        return RunTool(definition, arguments);
    };
    return command;
}

Command PlainToolCommand(std::string name, std::string summary, PlainTool tool) {
    return ToolCommand({
        std::move(name),
        std::move(summary),
        "",
        {},
        [tool](const Arguments&) -> ToolRun {
            return [tool](std::string_view text, tools::Selection selection) {
                return tool(text, selection);
            };
        },
    });
}

std::int32_t TextFieldOption(const Arguments& arguments, std::string_view option,
                             std::int32_t fallback) {
    const auto value = arguments.Value(option);
    if (!value) return fallback;
    return model::ReadInteger(model::DefinitionText(*value), 0);
}

tools::Point AxisTextFields(const Arguments& arguments, std::int32_t fallback) {
    return {TextFieldOption(arguments, "--w", fallback),
            TextFieldOption(arguments, "--l", fallback),
            TextFieldOption(arguments, "--h", fallback)};
}

std::int32_t IntegerFieldOption(const Arguments& arguments, std::string_view option,
                                std::int32_t fallback) {
    const auto value = arguments.Value(option);
    if (!value) return fallback;
    const long long number = ParseInteger(option, *value);
    if (number < INT32_MIN || number > INT32_MAX) {
        throw UsageError("value '" + *value + "' out of range for " + std::string(option));
    }
    return static_cast<std::int32_t>(number);
}

std::vector<std::int32_t> IntegerListOption(const Arguments& arguments, std::string_view option,
                                            std::vector<std::int32_t> fallback, std::int32_t low,
                                            std::int32_t high) {
    const auto value = arguments.Value(option);
    if (!value) return fallback;
    std::vector<std::int32_t> numbers;
    std::string_view rest = *value;
    for (;;) {
        const auto comma = rest.find(',');
        const long long number = ParseInteger(option, rest.substr(0, comma));
        if (number < low || number > high) {
            throw UsageError("value '" + *value + "' out of range for " + std::string(option));
        }
        numbers.push_back(static_cast<std::int32_t>(number));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    if (numbers.size() != fallback.size()) {
        throw UsageError("option " + std::string(option) + " needs " +
                         std::to_string(fallback.size()) + " values separated by commas");
    }
    return numbers;
}

}  // namespace lumtrak::cli

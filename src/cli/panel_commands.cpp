#include "cli/tool_command.h"
#include "tools/count_panels.h"
#include "tools/cut_out.h"
#include "tools/divide_panels.h"
#include "tools/panel_tags.h"

// divide, cut-out, set-d3d-only, auto-q and count-panels: the tools that split
// Fill panels or work on their side tags.
namespace lumtrak::cli {
namespace {

tools::DivideAxis AxisOption(const Arguments& arguments) {
    const auto axis = arguments.Value("--axis");
    if (!axis) return tools::DivideAxis::None;
    if (*axis == "w") return tools::DivideAxis::W;
    if (*axis == "l") return tools::DivideAxis::L;
    if (*axis == "h") return tools::DivideAxis::H;
    throw UsageError("malformed value '" + *axis + "' for --axis (one of w, l, h)");
}

}  // namespace

Command DivideCommand() {
    return ToolCommand({
        "divide",
        "cut each selected Fill panel in two at a plane across one axis",
        "[--axis w|l|h] [--w N --l N --h N]",
        {{"--axis", true, "the axis cut across: w, l or h (none when absent)"},
         {"--w", true, "division value on W (default 0)"},
         {"--l", true, "division value on L"},
         {"--h", true, "division value on H"}},
        [](const Arguments& arguments) -> ToolRun {
            tools::DivideParameters parameters;
            parameters.axis = AxisOption(arguments);
            parameters.w = IntegerFieldOption(arguments, "--w");
            parameters.l = IntegerFieldOption(arguments, "--l");
            parameters.h = IntegerFieldOption(arguments, "--h");
            return [parameters](std::string_view text, tools::Selection selection) {
                return tools::DividePanels(text, selection, parameters);
            };
        },
    });
}

Command CutOutCommand() {
    return PlainToolCommand(
        "cut-out", "frame the hole of the second selected Fill in the first with four panels",
        &tools::CutOut);
}

Command SetD3DOnlyCommand() {
    return PlainToolCommand("set-d3d-only",
                            "tag the selected panels [D3D] (the whole text with the caret at 0)",
                            &tools::SetD3DOnly);
}

Command AutoQCommand() {
    return PlainToolCommand(
        "auto-q",
        "tag the selected panels with their quadrant (the whole text without a selection)",
        &tools::AutoQ);
}

Command CountPanelsCommand() {
    return ToolCommand({
        "count-panels",
        "count the Fill panels per quadrant (the whole text without a selection)",
        "",
        {},
        [](const Arguments&) -> ToolRun {
            return [](std::string_view text, tools::Selection selection) {
                const auto counted = tools::CountPanels(text, selection);
                const tools::PanelCounts counts = counted.counts;
                ToolOutcome outcome(counted.rewrite);
                outcome.writeResult = [counts](JsonWriter& json) {
                    json.Key("q1").Int(counts.q1);
                    json.Key("q2").Int(counts.q2);
                    json.Key("q3").Int(counts.q3);
                    json.Key("q4").Int(counts.q4);
                    json.Key("total").Int(counts.total);
                };
                outcome.report = "Q1 " + std::to_string(counts.q1) + "\nQ2 " +
                                 std::to_string(counts.q2) + "\nQ3 " + std::to_string(counts.q3) +
                                 "\nQ4 " + std::to_string(counts.q4) + "\nTotal " +
                                 std::to_string(counts.total) + "\n";
                return outcome;
            };
        },
    });
}

}  // namespace lumtrak::cli

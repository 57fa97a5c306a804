#include "cli/tool_command.h"
#include "tools/reflect.h"
#include "tools/shift.h"
#include "tools/stretch.h"

// shift, reflect and stretch: the tools with a dialog of offsets, centres or factors.
namespace lumtrak::cli {
namespace {

std::vector<OptionSpec> AxisOptions(const std::string& what) {
    return {{"--w", true, "W " + what + " (text converted like atoi)"},
            {"--l", true, "L " + what},
            {"--h", true, "H " + what}};
}

OptionSpec LeaveOriginalOption() {
    return {"--leave-original", false, "keep the selected lines in front of the rewritten ones"};
}

}  // namespace

Command ShiftCommand() {
    auto options = AxisOptions("offset (default 0)");
    options.push_back(LeaveOriginalOption());
    options.push_back({"--repeat", true, "N passes, pass k shifting by k times the offsets"});
    return ToolCommand({
        "shift",
        "move the points of the selected lines",
        "[--w T --l T --h T] [--leave-original] [--repeat N]",
        options,
        [](const Arguments& arguments) -> ToolRun {
            tools::ShiftParameters parameters;
            parameters.offset = AxisTextFields(arguments);
            parameters.leaveOriginal = arguments.Has("--leave-original");
            parameters.repeat = arguments.Has("--repeat");
            parameters.repeatCount = IntegerFieldOption(arguments, "--repeat");
            return [parameters](std::string_view text, tools::Selection selection) {
                return tools::Shift(text, selection, parameters);
            };
        },
    });
}

Command ReflectCommand() {
    auto options = AxisOptions("centre (default 0)");
    options.push_back({"--reflect-w", false, "reflect across W"});
    options.push_back({"--reflect-l", false, "reflect along L"});
    options.push_back({"--reflect-h", false, "reflect in height"});
    options.push_back(LeaveOriginalOption());
    return ToolCommand({
        "reflect",
        "mirror the points of the selected lines and reverse their panels",
        "[--w T --l T --h T] [--reflect-w] [--reflect-l] [--reflect-h] [--leave-original]",
        options,
        [](const Arguments& arguments) -> ToolRun {
            tools::ReflectParameters parameters;
            parameters.centre = AxisTextFields(arguments);
            parameters.reflectW = arguments.Has("--reflect-w");
            parameters.reflectL = arguments.Has("--reflect-l");
            parameters.reflectH = arguments.Has("--reflect-h");
            parameters.leaveOriginal = arguments.Has("--leave-original");
            return [parameters](std::string_view text, tools::Selection selection) {
                return tools::Reflect(text, selection, parameters);
            };
        },
    });
}

Command StretchCommand() {
    auto options = AxisOptions("factor in percent (default 100)");
    options.push_back({"--ow", true, "W origin (default 0)"});
    options.push_back({"--ol", true, "L origin"});
    options.push_back({"--oh", true, "H origin"});
    options.push_back({"--stretch-w", false, "stretch W"});
    options.push_back({"--stretch-l", false, "stretch L"});
    options.push_back({"--stretch-h", false, "stretch H"});
    options.push_back(LeaveOriginalOption());
    return ToolCommand({
        "stretch",
        "scale the points of the selected lines about an origin",
        "[--w T --l T --h T] [--ow T --ol T --oh T] [--stretch-w] [--stretch-l] [--stretch-h] "
        "[--leave-original]",
        options,
        [](const Arguments& arguments) -> ToolRun {
            tools::StretchParameters parameters;
            parameters.factorPercent = AxisTextFields(arguments, 100);
            parameters.origin = {TextFieldOption(arguments, "--ow"),
                                 TextFieldOption(arguments, "--ol"),
                                 TextFieldOption(arguments, "--oh")};
            parameters.stretchW = arguments.Has("--stretch-w");
            parameters.stretchL = arguments.Has("--stretch-l");
            parameters.stretchH = arguments.Has("--stretch-h");
            parameters.leaveOriginal = arguments.Has("--leave-original");
            return [parameters](std::string_view text, tools::Selection selection) {
                return tools::Stretch(text, selection, parameters);
            };
        },
    });
}

}  // namespace lumtrak::cli

#include "cli/tool_command.h"
#include "tools/cylinders.h"

namespace lumtrak::cli {
namespace {

constexpr std::int32_t kLowest = INT32_MIN;
constexpr std::int32_t kHighest = INT32_MAX;

tools::Point CentreOption(const Arguments& arguments, std::string_view option) {
    const auto v = IntegerListOption(arguments, option, {0, 0, 0}, kLowest, kHighest);
    return {v[0], v[1], v[2]};
}

// --colour-X R,G,B and --marker-X C: the look of one surface.
tools::CylinderSurfaceLook LookOptions(const Arguments& arguments, const std::string& surface) {
    tools::CylinderSurfaceLook look;
    const auto colour = IntegerListOption(arguments, "--colour-" + surface, {0, 0, 0}, 0, 255);
    look.red = colour[0];
    look.green = colour[1];
    look.blue = colour[2];
    const std::string markerOption = "--marker-" + surface;
    if (const auto marker = arguments.Value(markerOption)) {
        if (*marker == "$") {
            look.singleSided = true;
        } else if (*marker == "=") {
            look.doubleSided = true;
        } else {
            throw UsageError("malformed value '" + *marker + "' for " + markerOption +
                             " (one of $ =)");
        }
    }
    return look;
}

std::vector<OptionSpec> SurfaceOptions(const std::string& surface, const std::string& what) {
    return {{"--colour-" + surface, true, "R,G,B colour of " + what + " (0 to 255 each)"},
            {"--marker-" + surface, true,
             "side marker of " + what + ": $ single-sided, = double-sided (default none)"}};
}

}  // namespace

Command CylindersCommand() {
    std::vector<OptionSpec> options = {
        {"--a", true, "W,L,H centre of End A (default 0,0,0)"},
        {"--b", true, "W,L,H centre of End B"},
        {"--radius-a", true, "radius of End A (default 0)"},
        {"--radius-b", true, "radius of End B"},
        {"--steps", true, "steps around the circumference (default 0)"},
        {"--solid-a", false, "close End A with a fan of panels"},
        {"--solid-b", false, "close End B with a fan of panels"},
        {"--cylinder", false, "write the mantle panels between the ends"},
    };
    for (const auto& [surface, what] :
         {std::pair{"a", "End A"}, std::pair{"b", "End B"}, std::pair{"cylinder", "the mantle"}}) {
        const auto more = SurfaceOptions(surface, what);
        options.insert(options.end(), more.begin(), more.end());
    }
    return ToolCommand({
        "cylinders",
        "insert the panels of a cylinder or cone at the caret",
        "[--a W,L,H --b W,L,H --radius-a R --radius-b R --steps N] [--solid-a] [--solid-b] "
        "[--cylinder] [--colour-a R,G,B --colour-b R,G,B --colour-cylinder R,G,B] "
        "[--marker-a C --marker-b C --marker-cylinder C]",
        options,
        [](const Arguments& arguments) -> ToolRun {
            tools::CylinderParameters parameters;
            parameters.endA.centre = CentreOption(arguments, "--a");
            parameters.endA.radius = IntegerFieldOption(arguments, "--radius-a");
            parameters.endA.solid = arguments.Has("--solid-a");
            parameters.endA.look = LookOptions(arguments, "a");
            parameters.endB.centre = CentreOption(arguments, "--b");
            parameters.endB.radius = IntegerFieldOption(arguments, "--radius-b");
            parameters.endB.solid = arguments.Has("--solid-b");
            parameters.endB.look = LookOptions(arguments, "b");
            parameters.mantle = arguments.Has("--cylinder");
            parameters.steps = IntegerFieldOption(arguments, "--steps");
            parameters.mantleLook = LookOptions(arguments, "cylinder");
            const std::int32_t most = tools::MostCylinderSteps(parameters);
            if (parameters.steps < 0 || parameters.steps > most) {
                throw UsageError("--steps needs 0 <= N <= " + std::to_string(most) +
                                 ": the panels of more steps would pass " +
                                 std::to_string(tools::kMostCylinderPanelLines) + " lines");
            }
            return [parameters](std::string_view text, tools::Selection selection) {
                return tools::Cylinders(text, selection, parameters);
            };
        },
    });
}

}  // namespace lumtrak::cli

#include "cli/tool_command.h"
#include "tools/point_conversions.h"
#include "tools/reverse_panel.h"
#include "tools/rotate_vertices.h"

// The tools without a dialog that rewrite the points of the selected panels.
namespace lumtrak::cli {

Command ImperialToMetricCommand() {
    return PlainToolCommand("imperial-to-metric", "multiply the points of the selected panels by 3",
                            &tools::ImperialToMetric);
}

Command MetricToImperialCommand() {
    return PlainToolCommand("metric-to-imperial", "divide the points of the selected panels by 3",
                            &tools::MetricToImperial);
}

Command Rotate90LeftCommand() {
    return PlainToolCommand("rotate-90-left", "turn the selected panels a quarter to the left",
                            &tools::Rotate90Left);
}

Command Rotate90RightCommand() {
    return PlainToolCommand("rotate-90-right", "turn the selected panels a quarter to the right",
                            &tools::Rotate90Right);
}

Command RotateVerticesLeftCommand() {
    return PlainToolCommand("rotate-vertices-left",
                            "make each selected panel's last point its first (stays selected)",
                            &tools::RotatePanelVerticesLeft);
}

Command RotateVerticesRightCommand() {
    return PlainToolCommand("rotate-vertices-right",
                            "make each selected panel's first point its last (stays selected)",
                            &tools::RotatePanelVerticesRight);
}

Command ReversePanelCommand() {
    return PlainToolCommand("reverse-panel",
                            "reverse the point order of the selected panels and strip vertices",
                            &tools::ReversePanel);
}

}  // namespace lumtrak::cli

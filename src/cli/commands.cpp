#include "cli/command.h"

namespace lumtrak::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        ModelCommand(),
        Draw2dCommand(),
        SceneCommand(),
        Render3dCommand(),
        CheckCommand(),
        ExportCommand(),
        InstallCommand(),
        ShiftCommand(),
        ReflectCommand(),
        StretchCommand(),
        ImperialToMetricCommand(),
        MetricToImperialCommand(),
        Rotate90LeftCommand(),
        Rotate90RightCommand(),
        RotateVerticesLeftCommand(),
        RotateVerticesRightCommand(),
        ReversePanelCommand(),
        MatrixCommand(),
        CylindersCommand(),
        DivideCommand(),
        CutOutCommand(),
        SetD3DOnlyCommand(),
        AutoQCommand(),
        CountPanelsCommand(),
        IndexCommand(),
        RequiredFilesCommand(),
    };
    return commands;
}

}  // namespace lumtrak::cli

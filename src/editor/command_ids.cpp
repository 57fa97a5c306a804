#include "editor/command_ids.h"

#include <utility>

namespace lumtrak::editor {
namespace {

constexpr std::pair<Command, const char*> kNames[] = {
    {Command::ShowPreview, "showPreview"},
    {Command::SingleLine, "singleLine"},
    {Command::HighlightCurrentPanel, "highlightCurrentPanel"},
    {Command::Rotate, "rotate"},
    {Command::Animate, "animate"},
    {Command::D3DPreview, "d3dPreview"},
    {Command::ShowAxis, "showAxis"},
    {Command::RefreshPreview, "refreshPreview"},
    {Command::Shift, "shift"},
    {Command::Reflect, "reflect"},
    {Command::Stretch, "stretch"},
    {Command::ImperialToMetric, "imperialToMetric"},
    {Command::MetricToImperial, "metricToImperial"},
    {Command::ReversePanel, "reversePanel"},
    {Command::Rotate90Left, "rotate90Left"},
    {Command::Rotate90Right, "rotate90Right"},
    {Command::RotatePanelVerticesLeft, "rotatePanelVerticesLeft"},
    {Command::MatrixTransformation, "matrixTransformation"},
    {Command::RotatePanelVerticesRight, "rotatePanelVerticesRight"},
    {Command::Cylinders, "cylinders"},
    {Command::CutOut, "cutOut"},
    {Command::AutoQ, "autoQ"},
    {Command::SetD3DOnly, "setD3DOnly"},
    {Command::CountPanels, "countPanels"},
    {Command::UpdateStockIndex, "updateStockIndex"},
    {Command::RebuildStockIndex, "rebuildStockIndex"},
    {Command::DividePanels, "dividePanels"},
    {Command::ListRequiredFiles, "listRequiredFiles"},
    {Command::GoToPart, "goToPart"},
    {Command::FindPartUses, "findPartUses"},
    {Command::NavigateBack, "navigateBack"},
    {Command::NavigateForward, "navigateForward"},
    {Command::CompleteName, "completeName"},
    {Command::ViewParts, "viewParts"},
    {Command::ViewProblems, "viewProblems"},
    {Command::ViewSyntaxColouring, "viewSyntaxColouring"},
    {Command::ExportModel, "exportModel"},
    {Command::FileNew, "fileNew"},
    {Command::FileOpen, "fileOpen"},
    {Command::FileClose, "fileClose"},
    {Command::FileSave, "fileSave"},
    {Command::FileSaveAs, "fileSaveAs"},
    {Command::FilePrintSetup, "filePrintSetup"},
    {Command::FilePrint, "filePrint"},
    {Command::FilePrintPreview, "filePrintPreview"},
    {Command::FileMru1, "fileMru1"},
    {Command::FileMru2, "fileMru2"},
    {Command::FileMru3, "fileMru3"},
    {Command::FileMru4, "fileMru4"},
    {Command::EditCopy, "editCopy"},
    {Command::EditCut, "editCut"},
    {Command::EditFind, "editFind"},
    {Command::EditPaste, "editPaste"},
    {Command::EditReplace, "editReplace"},
    {Command::EditUndo, "editUndo"},
    {Command::EditRedo, "editRedo"},
    {Command::WindowNew, "windowNew"},
    {Command::WindowArrange, "windowArrange"},
    {Command::WindowCascade, "windowCascade"},
    {Command::WindowTile, "windowTile"},
    {Command::AppAbout, "appAbout"},
    {Command::AppExit, "appExit"},
    {Command::NextPane, "nextPane"},
    {Command::PreviousPane, "previousPane"},
    {Command::ViewToolbar, "viewToolbar"},
    {Command::ViewStatusBar, "viewStatusBar"},
};

}  // namespace

const char* CommandName(Command command) {
    for (const auto& [known, name] : kNames) {
        if (known == command) return name;
    }
    return "";
}

Command RecentFileCommand(int index) {
    return Command(int(Command::FileMru1) + index);
}

}  // namespace lumtrak::editor

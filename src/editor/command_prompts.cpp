#include "editor/command_prompts.h"

#include <QCoreApplication>
#include <utility>

namespace lumtrak::editor {
namespace {

using C = Command;

constexpr std::pair<Command, const char*> kPrompts[] = {
    {C::FileNew, QT_TRANSLATE_NOOP("Prompt", "Create a new document")},
    {C::FileOpen, QT_TRANSLATE_NOOP("Prompt", "Open an existing document")},
    {C::FileClose, QT_TRANSLATE_NOOP("Prompt", "Close the active document")},
    {C::FileSave, QT_TRANSLATE_NOOP("Prompt", "Save the active document")},
    {C::FileSaveAs, QT_TRANSLATE_NOOP("Prompt", "Save the active document with a new name")},
    {C::FilePrint, QT_TRANSLATE_NOOP("Prompt", "Print the active document")},
    {C::FilePrintPreview, QT_TRANSLATE_NOOP("Prompt", "Display full pages")},
    {C::FilePrintSetup, QT_TRANSLATE_NOOP("Prompt", "Change the printer and printing options")},
    {C::ExportModel,
     QT_TRANSLATE_NOOP("Prompt",
                       "Write the 3D model of the definition under the caret for other 3D tools")},
    {C::FileMru1, QT_TRANSLATE_NOOP("Prompt", "Open this document")},
    {C::FileMru2, QT_TRANSLATE_NOOP("Prompt", "Open this document")},
    {C::FileMru3, QT_TRANSLATE_NOOP("Prompt", "Open this document")},
    {C::FileMru4, QT_TRANSLATE_NOOP("Prompt", "Open this document")},
    {C::AppExit, QT_TRANSLATE_NOOP("Prompt", "Quit the application; prompts to save documents")},
    {C::EditUndo, QT_TRANSLATE_NOOP("Prompt", "Undo the last action")},
    {C::EditRedo, QT_TRANSLATE_NOOP("Prompt", "Redo the previously undone action")},
    {C::EditCut, QT_TRANSLATE_NOOP("Prompt", "Cut the selection and put it on the Clipboard")},
    {C::EditCopy, QT_TRANSLATE_NOOP("Prompt", "Copy the selection and put it on the Clipboard")},
    {C::EditPaste, QT_TRANSLATE_NOOP("Prompt", "Insert Clipboard contents")},
    {C::EditFind, QT_TRANSLATE_NOOP("Prompt", "Find the specified text")},
    {C::EditReplace, QT_TRANSLATE_NOOP("Prompt", "Replace specific text with different text")},
    {C::ViewToolbar, QT_TRANSLATE_NOOP("Prompt", "Show or hide the toolbar")},
    {C::ViewStatusBar, QT_TRANSLATE_NOOP("Prompt", "Show or hide the status bar")},
    {C::ViewProblems,
     QT_TRANSLATE_NOOP("Prompt", "Show or hide the list of what the previews cannot use")},
    {C::ViewSyntaxColouring,
     QT_TRANSLATE_NOOP("Prompt", "Colour statement words, values, names and comments")},
    {C::ShowPreview,
     QT_TRANSLATE_NOOP("Prompt", "Open or close the 2D preview of the definition under the caret")},
    {C::SingleLine, QT_TRANSLATE_NOOP("Prompt", "Not available")},
    {C::HighlightCurrentPanel,
     QT_TRANSLATE_NOOP("Prompt", "Colour the panels of the selected lines in the 2D preview")},
    {C::Rotate, QT_TRANSLATE_NOOP("Prompt", "Turn the 2D preview round")},
    {C::ShowAxis, QT_TRANSLATE_NOOP("Prompt", "Show the axis lines in the 2D preview")},
    {C::Animate, QT_TRANSLATE_NOOP("Prompt", "Move the animated parts in the 2D preview")},
    {C::D3DPreview,
     QT_TRANSLATE_NOOP("Prompt", "Open a 3D preview of the definition under the caret")},
    {C::RefreshPreview, QT_TRANSLATE_NOOP("Prompt", "Build the 3D preview anew from the text")},
    {C::WindowNew, QT_TRANSLATE_NOOP("Prompt", "Open another window for the active document")},
    {C::WindowCascade, QT_TRANSLATE_NOOP("Prompt", "Arrange windows so they overlap")},
    {C::WindowTile, QT_TRANSLATE_NOOP("Prompt", "Arrange windows as non-overlapping tiles")},
    {C::WindowArrange, QT_TRANSLATE_NOOP("Prompt", "Arrange icons at the bottom of the window")},
    {C::NextPane, QT_TRANSLATE_NOOP("Prompt", "Switch to the next window")},
    {C::PreviousPane, QT_TRANSLATE_NOOP("Prompt", "Switch to the previous window")},
    {C::Shift, QT_TRANSLATE_NOOP("Prompt", "Move the points of the selected lines")},
    {C::Reflect, QT_TRANSLATE_NOOP(
                     "Prompt", "Mirror the points of the selected lines and reverse their panels")},
    {C::Stretch,
     QT_TRANSLATE_NOOP("Prompt", "Scale the points of the selected lines about an origin")},
    {C::ImperialToMetric,
     QT_TRANSLATE_NOOP("Prompt", "Multiply the points of the selected panels by 3")},
    {C::MetricToImperial,
     QT_TRANSLATE_NOOP("Prompt", "Divide the points of the selected panels by 3")},
    {C::RotatePanelVerticesLeft,
     QT_TRANSLATE_NOOP("Prompt", "Make each selected panel's last point its first")},
    {C::RotatePanelVerticesRight,
     QT_TRANSLATE_NOOP("Prompt", "Make each selected panel's first point its last")},
    {C::ReversePanel,
     QT_TRANSLATE_NOOP("Prompt", "Reverse the point order of the selected panels")},
    {C::Rotate90Left,
     QT_TRANSLATE_NOOP("Prompt", "Turn the selected panels a quarter to the left")},
    {C::Rotate90Right,
     QT_TRANSLATE_NOOP("Prompt", "Turn the selected panels a quarter to the right")},
    {C::MatrixTransformation,
     QT_TRANSLATE_NOOP("Prompt", "Transform the points of the selected panels by a 3 x 4 matrix")},
    {C::Cylinders,
     QT_TRANSLATE_NOOP("Prompt", "Insert the panels of a cylinder or cone at the caret")},
    {C::DividePanels,
     QT_TRANSLATE_NOOP("Prompt", "Cut each selected Fill panel in two at a plane across one axis")},
    {C::CutOut,
     QT_TRANSLATE_NOOP("Prompt",
                       "Frame the hole of the second selected Fill in the first with four panels")},
    {C::AutoQ, QT_TRANSLATE_NOOP("Prompt", "Tag the selected panels with their quadrant")},
    {C::SetD3DOnly, QT_TRANSLATE_NOOP("Prompt", "Tag the selected panels [D3D]")},
    {C::CountPanels, QT_TRANSLATE_NOOP("Prompt", "Count the Fill panels per quadrant")},
    {C::UpdateStockIndex,
     QT_TRANSLATE_NOOP("Prompt",
                       "Put the definitions of this document at the top of the Stock Index")},
    {C::RebuildStockIndex,
     QT_TRANSLATE_NOOP("Prompt", "Write the Stock Index anew from the stock folders")},
    {C::ListRequiredFiles,
     QT_TRANSLATE_NOOP(
         "Prompt", "List the bitmaps and stock files that the definition under the caret needs")},
    {C::AppAbout,
     QT_TRANSLATE_NOOP("Prompt", "Display program information, version number and copyright")},
    {C::GoToPart,
     QT_TRANSLATE_NOOP("Prompt",
                       "Open the definition of the part that the statement at the caret "
                       "includes")},
    {C::FindPartUses,
     QT_TRANSLATE_NOOP("Prompt", "List every include of the part named on the line of the caret")},
    {C::NavigateBack, QT_TRANSLATE_NOOP("Prompt", "Go back to where Go to Part came from")},
    {C::NavigateForward, QT_TRANSLATE_NOOP("Prompt", "Go forward again after Back")},
    {C::CompleteName,
     QT_TRANSLATE_NOOP("Prompt",
                       "Offer the part names, texture names or statement words that "
                       "complete what is typed")},
    {C::ViewParts,
     QT_TRANSLATE_NOOP("Prompt", "Show or hide the parts of the definition under the caret")},
};

}  // namespace

const char* CommandPrompt(Command command) {
    for (const auto& [known, prompt] : kPrompts) {
        if (known == command) return prompt;
    }
    return "";
}

QString CommandPromptText(Command command) {
    const char* prompt = CommandPrompt(command);
    return *prompt ? QCoreApplication::translate(kPromptContext, prompt) : QString();
}

}  // namespace lumtrak::editor

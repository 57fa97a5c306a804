#include "editor/menus.h"

#include <QtGlobal>
#include <algorithm>

namespace lumtrak::editor {
namespace {

using C = Command;

MenuDefinition FileMenu(bool withDocument) {
    std::vector<MenuItem> items = {
        {C::FileNew, QT_TRANSLATE_NOOP("Menu", "&New\tCtrl+N")},
        {C::FileOpen, QT_TRANSLATE_NOOP("Menu", "&Open...\tCtrl+O")},
    };
    if (withDocument) {
        items.insert(items.end(),
                     {
                         {C::FileClose, QT_TRANSLATE_NOOP("Menu", "&Close")},
                         {C::FileSave, QT_TRANSLATE_NOOP("Menu", "&Save\tCtrl+S")},
                         {C::FileSaveAs, QT_TRANSLATE_NOOP("Menu", "Save &As...")},
                         {C::ExportModel, QT_TRANSLATE_NOOP("Menu", "&Export 3D Model...")},
                         {C::None, nullptr},
                         {C::FilePrint, QT_TRANSLATE_NOOP("Menu", "&Print...\tCtrl+P")},
                         {C::FilePrintPreview, QT_TRANSLATE_NOOP("Menu", "Print Pre&view")},
                     });
    } else {
        items.push_back({C::None, nullptr});
    }
    items.insert(items.end(), {
                                  {C::FilePrintSetup, QT_TRANSLATE_NOOP("Menu", "P&rint Setup...")},
                                  {C::None, nullptr},
                                  {C::FileMru1, QT_TRANSLATE_NOOP("Menu", "Recent File")},
                                  {C::None, nullptr},
                                  {C::AppExit, QT_TRANSLATE_NOOP("Menu", "E&xit")},
                              });
    return {QT_TRANSLATE_NOOP("Menu", "&File"), items};
}

MenuDefinition EditMenu() {
    return {QT_TRANSLATE_NOOP("Menu", "&Edit"),
            {
                {C::EditUndo, QT_TRANSLATE_NOOP("Menu", "&Undo\tCtrl+Z")},
                {C::EditRedo, QT_TRANSLATE_NOOP("Menu", "&Redo\tCtrl+Y")},
                {C::None, nullptr},
                {C::EditCut, QT_TRANSLATE_NOOP("Menu", "Cu&t\tCtrl+X")},
                {C::EditCopy, QT_TRANSLATE_NOOP("Menu", "&Copy\tCtrl+C")},
                {C::EditPaste, QT_TRANSLATE_NOOP("Menu", "&Paste\tCtrl+V")},
                {C::None, nullptr},
                {C::EditFind, QT_TRANSLATE_NOOP("Menu", "&Find...")},
                {C::EditReplace, QT_TRANSLATE_NOOP("Menu", "R&eplace...")},
                {C::None, nullptr},
                {C::GoToPart, QT_TRANSLATE_NOOP("Menu", "&Go to Part\tF12")},
                {C::FindPartUses, QT_TRANSLATE_NOOP("Menu", "Find Uses of This Part\tShift+F12")},
                {C::NavigateBack, QT_TRANSLATE_NOOP("Menu", "&Back\tAlt+Left")},
                {C::NavigateForward, QT_TRANSLATE_NOOP("Menu", "For&ward\tAlt+Right")},
                {C::CompleteName, QT_TRANSLATE_NOOP("Menu", "Complete &Name\tCtrl+Space")},
            }};
}

MenuDefinition ViewMenu() {
    return {QT_TRANSLATE_NOOP("Menu", "&View"),
            {
                {C::ViewToolbar, QT_TRANSLATE_NOOP("Menu", "&Toolbar")},
                {C::ViewStatusBar, QT_TRANSLATE_NOOP("Menu", "&Status Bar")},
                {C::None, nullptr},
                {C::ViewProblems, QT_TRANSLATE_NOOP("Menu", "&Problems")},
                {C::ViewParts, QT_TRANSLATE_NOOP("Menu", "P&arts")},
                {C::ViewSyntaxColouring, QT_TRANSLATE_NOOP("Menu", "Syntax &Colouring")},
            }};
}

MenuDefinition PreviewMenu() {
    return {QT_TRANSLATE_NOOP("Menu", "Preview"),
            {
                {C::ShowPreview, QT_TRANSLATE_NOOP("Menu", "Show Preview")},
                {C::SingleLine, QT_TRANSLATE_NOOP("Menu", "Single Line")},
                {C::HighlightCurrentPanel, QT_TRANSLATE_NOOP("Menu", "Highlight Current Panel")},
                {C::Rotate, QT_TRANSLATE_NOOP("Menu", "Rotate")},
                {C::ShowAxis, QT_TRANSLATE_NOOP("Menu", "Show Axis")},
                {C::Animate, QT_TRANSLATE_NOOP("Menu", "Animate")},
                {C::D3DPreview, QT_TRANSLATE_NOOP("Menu", "D3D Preview")},
                {C::RefreshPreview, QT_TRANSLATE_NOOP("Menu", "Refresh Preview\tF5")},
            }};
}

MenuDefinition WindowMenu() {
    return {QT_TRANSLATE_NOOP("Menu", "&Window"),
            {
                {C::WindowNew, QT_TRANSLATE_NOOP("Menu", "&New Window")},
                {C::WindowCascade, QT_TRANSLATE_NOOP("Menu", "&Cascade")},
                {C::WindowTile, QT_TRANSLATE_NOOP("Menu", "&Tile")},
                {C::WindowArrange, QT_TRANSLATE_NOOP("Menu", "&Arrange Icons")},
            }};
}

MenuDefinition TranslationsMenu() {
    return {
        QT_TRANSLATE_NOOP("Menu", "Translations"),
        {
            {C::Shift, QT_TRANSLATE_NOOP("Menu", "Shift")},
            {C::Reflect, QT_TRANSLATE_NOOP("Menu", "Reflect")},
            {C::Stretch, QT_TRANSLATE_NOOP("Menu", "Stretch")},
            {C::ImperialToMetric, QT_TRANSLATE_NOOP("Menu", "Imperial > Metric")},
            {C::MetricToImperial, QT_TRANSLATE_NOOP("Menu", "Metric > Imperial")},
            {C::RotatePanelVerticesLeft, QT_TRANSLATE_NOOP("Menu", "Rotate Panel Vertices Lft")},
            {C::RotatePanelVerticesRight, QT_TRANSLATE_NOOP("Menu", "Rotate Panel Vertices Rgt")},
            {C::ReversePanel, QT_TRANSLATE_NOOP("Menu", "Reverse Panel")},
            {C::Rotate90Left, QT_TRANSLATE_NOOP("Menu", "Rotate 90 Left")},
            {C::Rotate90Right, QT_TRANSLATE_NOOP("Menu", "Rotate 90 Right")},
            {C::MatrixTransformation, QT_TRANSLATE_NOOP("Menu", "Matrix Transformation")},
        }};
}

MenuDefinition ToolsMenu() {
    return {QT_TRANSLATE_NOOP("Menu", "Tools"),
            {
                {C::Cylinders, QT_TRANSLATE_NOOP("Menu", "Cylinders")},
                {C::DividePanels, QT_TRANSLATE_NOOP("Menu", "Divide Panel(s)")},
                {C::CutOut, QT_TRANSLATE_NOOP("Menu", "Cut-Out")},
                {C::AutoQ, QT_TRANSLATE_NOOP("Menu", "Auto Q!")},
                {C::SetD3DOnly, QT_TRANSLATE_NOOP("Menu", "Set D3D only!")},
                {C::CountPanels, QT_TRANSLATE_NOOP("Menu", "Count Panels")},
                {C::UpdateStockIndex, QT_TRANSLATE_NOOP("Menu", "Update Stock index")},
                {C::RebuildStockIndex, QT_TRANSLATE_NOOP("Menu", "Rebuild Stock Index")},
                {C::ListRequiredFiles, QT_TRANSLATE_NOOP("Menu", "List required Files")},
            }};
}

MenuDefinition HelpMenu() {
    return {QT_TRANSLATE_NOOP("Menu", "&Help"),
            {{C::AppAbout, QT_TRANSLATE_NOOP("Menu", "&About Lumtrak Stock Editor...")}}};
}

void RemoveCommands(MenuDefinition& menu, std::initializer_list<Command> commands) {
    std::erase_if(menu.items, [&](const MenuItem& item) {
        return std::find(commands.begin(), commands.end(), item.command) != commands.end();
    });
}

MenuItem& ItemOf(MenuDefinition& menu, Command command) {
    return *std::find_if(menu.items.begin(), menu.items.end(),
                         [&](const MenuItem& item) { return item.command == command; });
}

// The scenery menus: the stock menus without the matrix transformation and the
// index commands, with "Animate" before "Show Axis".
std::vector<MenuDefinition> SceneryMenus() {
    MenuDefinition preview = PreviewMenu();
    std::swap(ItemOf(preview, C::ShowAxis), ItemOf(preview, C::Animate));
    MenuDefinition translations = TranslationsMenu();
    RemoveCommands(translations, {C::MatrixTransformation});
    MenuDefinition tools = ToolsMenu();
    RemoveCommands(tools, {C::UpdateStockIndex, C::RebuildStockIndex, C::ListRequiredFiles});
    return {FileMenu(true), EditMenu(),   ViewMenu(), preview,
            WindowMenu(),   translations, tools,      HelpMenu()};
}

}  // namespace

std::vector<MenuDefinition> MenuResource(int resource) {
    switch (resource) {
        case 128:
            return {FileMenu(false), ViewMenu(), HelpMenu()};
        case 130:
            return SceneryMenus();
        case 131: {
            std::vector<MenuDefinition> menus = SceneryMenus();
            ItemOf(menus[5], C::ReversePanel).text = QT_TRANSLATE_NOOP("Menu", "Reverse Normal");
            return menus;
        }
        default:
            return {FileMenu(true), EditMenu(),         ViewMenu(),  PreviewMenu(),
                    WindowMenu(),   TranslationsMenu(), ToolsMenu(), HelpMenu()};
    }
}

std::vector<ToolbarButton> ToolbarResource() {
    return {
        {C::FileNew, ":/toolbar/new.xpm", QT_TRANSLATE_NOOP("Menu", "New")},
        {C::FileOpen, ":/toolbar/open.xpm", QT_TRANSLATE_NOOP("Menu", "Open")},
        {C::FileSave, ":/toolbar/save.xpm", QT_TRANSLATE_NOOP("Menu", "Save")},
        {C::None, nullptr, nullptr},
        {C::EditCut, ":/toolbar/cut.xpm", QT_TRANSLATE_NOOP("Menu", "Cut")},
        {C::EditCopy, ":/toolbar/copy.xpm", QT_TRANSLATE_NOOP("Menu", "Copy")},
        {C::EditPaste, ":/toolbar/paste.xpm", QT_TRANSLATE_NOOP("Menu", "Paste")},
        {C::None, nullptr, nullptr},
        {C::FilePrint, ":/toolbar/print.xpm", QT_TRANSLATE_NOOP("Menu", "Print")},
        {C::AppAbout, ":/toolbar/about.xpm", QT_TRANSLATE_NOOP("Menu", "About")},
    };
}

std::vector<Accelerator> AcceleratorResource() {
    return {
        {C::FileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {C::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {C::FileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {C::FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {C::EditCopy, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {C::EditCopy, QKeySequence(Qt::CTRL | Qt::Key_Insert)},
        {C::EditPaste, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {C::EditPaste, QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
        {C::EditCut, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {C::EditCut, QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        {C::EditUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {C::EditUndo, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {C::EditRedo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {C::EditRedo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {C::RefreshPreview, QKeySequence(Qt::Key_F5)},
        {C::NextPane, QKeySequence(Qt::Key_F6)},
        {C::PreviousPane, QKeySequence(Qt::SHIFT | Qt::Key_F6)},
        {C::GoToPart, QKeySequence(Qt::Key_F12)},
        {C::FindPartUses, QKeySequence(Qt::SHIFT | Qt::Key_F12)},
        {C::NavigateBack, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {C::NavigateForward, QKeySequence(Qt::ALT | Qt::Key_Right)},
        {C::CompleteName, QKeySequence(Qt::CTRL | Qt::Key_Space)},
    };
}

}  // namespace lumtrak::editor

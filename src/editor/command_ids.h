#pragma once

// The commands of the menus, the toolbar and the accelerators, numbered as the
// editor's resources number them. The framework's own commands keep the
// framework's numbers.
namespace lumtrak::editor {

enum class Command : int {
    None = 0,

    // Preview
    ShowPreview = 32771,
    SingleLine = 32772,
    HighlightCurrentPanel = 32773,
    Rotate = 32774,
    Animate = 32779,
    D3DPreview = 32783,
    ShowAxis = 32785,
    RefreshPreview = 32788,

    // Translations
    Shift = 32776,
    Reflect = 32777,
    Stretch = 32778,
    ImperialToMetric = 32780,
    MetricToImperial = 32781,
    ReversePanel = 32782,
    Rotate90Left = 32786,
    Rotate90Right = 32787,
    RotatePanelVerticesLeft = 32795,
    MatrixTransformation = 32796,
    RotatePanelVerticesRight = 32799,

    // Tools
    Cylinders = 32784,
    CutOut = 32789,
    AutoQ = 32790,
    SetD3DOnly = 32791,
    CountPanels = 32794,
    UpdateStockIndex = 32797,
    RebuildStockIndex = 32798,
    DividePanels = 32815,
    ListRequiredFiles = 32819,

    // File
    ExportModel = 32840,

    // View
    ViewProblems = 32841,
    ViewSyntaxColouring = 32842,

    // Working across parts
    GoToPart = 32900,
    FindPartUses = 32901,
    NavigateBack = 32902,
    NavigateForward = 32903,
    CompleteName = 32904,
    ViewParts = 32905,

    // The framework's
    FileNew = 0xE100,
    FileOpen = 0xE101,
    FileClose = 0xE102,
    FileSave = 0xE103,
    FileSaveAs = 0xE104,
    FilePrintSetup = 0xE106,
    FilePrint = 0xE107,
    FilePrintPreview = 0xE109,
    FileMru1 = 0xE110,
    FileMru2 = 0xE111,
    FileMru3 = 0xE112,
    FileMru4 = 0xE113,
    EditCopy = 0xE122,
    EditCut = 0xE123,
    EditFind = 0xE124,
    EditPaste = 0xE125,
    EditReplace = 0xE129,
    EditUndo = 0xE12B,
    EditRedo = 0xE12C,
    WindowNew = 0xE130,
    WindowArrange = 0xE131,
    WindowCascade = 0xE132,
    WindowTile = 0xE133,
    AppAbout = 0xE140,
    AppExit = 0xE141,
    NextPane = 0xE150,
    PreviousPane = 0xE151,
    ViewToolbar = 0xE800,
    ViewStatusBar = 0xE801,
};

// The command's stable name, the object name of its actions ("shift",
// "fileSaveAs"); "" for None.
const char* CommandName(Command command);

// The recent-file command of entry index (0 to 3).
Command RecentFileCommand(int index);

}  // namespace lumtrak::editor

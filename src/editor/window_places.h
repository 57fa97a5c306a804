#pragma once

class QWidget;

namespace lumtrak::editor {

// Where the preview windows open: where they were when last closed, fitted
// into the screen that they were on (or the main window's), else the first
// time beside the main window. The places are kept in the editor's settings.

// The 3D preview: "Preview3D/Geometry", its position and size. A new one takes
// two thirds of the screen, at least 800 x 600 pixels where the screen allows.
void PlacePreview3D(QWidget& window, const QWidget* mainWindow);
void RememberPreview3D(const QWidget& window);

// The 2D preview: "Preview2D/Position", its position only; its size is its own.
void PlacePreview2D(QWidget& window, const QWidget* mainWindow);
void RememberPreview2D(const QWidget& window);

}  // namespace lumtrak::editor

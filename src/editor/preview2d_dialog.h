#pragma once

#include <QDialog>

namespace lumtrak::editor {

// The 2D preview window of a text view. A plain window so far: the drawing, its
// direction buttons and its timer join it with the preview's own work; the view
// already links, invalidates and destroys it.
class CPreview2DDlg : public QDialog {
  public:
    explicit CPreview2DDlg(QWidget* parent = nullptr) : QDialog(parent) {}
};

}  // namespace lumtrak::editor

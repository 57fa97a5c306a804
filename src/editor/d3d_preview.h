#pragma once

#include <QMainWindow>

namespace lumtrak::editor {

// The 3D preview window of a text view. A plain top-level window so far: the
// rendering, its toolbar and scroll bars join it with the 3D preview's own work;
// the view already links, detaches and destroys it.
class D3DPreview : public QMainWindow {
  public:
    explicit D3DPreview(QWidget* parent = nullptr) : QMainWindow(parent) {}
};

}  // namespace lumtrak::editor

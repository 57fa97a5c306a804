#pragma once

#include <QDialog>

namespace lumtrak::editor {

// Dialog 100, "About Lumtrak Stock Editor": the icon, the version and OK.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace lumtrak::editor

#pragma once

#include <QDialog>

#include "tools/count_panels.h"

class QLineEdit;

namespace lumtrak::editor {

// "Panel count" (dialog 139): the panels that each quadrant shows and their
// total, with OK. Made for each use.
class CPanelCountDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names.
    enum ControlId {
        kQ1 = 1027,
        kQ2 = 1028,
        kQ3 = 1029,
        kQ4 = 1030,
        kTotal = 1031,
    };

    explicit CPanelCountDialog(const tools::PanelCounts& counts, QWidget* parent = nullptr);

  public slots:
    void accept() override;

  private:
    QLineEdit* fields_[5];
};

}  // namespace lumtrak::editor

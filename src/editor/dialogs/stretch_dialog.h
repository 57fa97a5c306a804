#pragma once

#include <QDialog>

#include "tools/stretch.h"

class QCheckBox;
class QLineEdit;

namespace lumtrak::editor {

// "Stretch Selection" (dialog 133): a factor in percent and an origin per
// axis, the axes to stretch and "Leave original". Made for each use, starting
// from factors 100, origins 0 and every box off.
class CStretchDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names: the factors
    // W, L and H, the boxes, the origins.
    enum ControlId {
        kW = 1001,
        kL = 1002,
        kH = 1003,
        kLeaveOriginal = 1004,
        kStretchW = 1005,
        kStretchL = 1006,
        kStretchH = 1007,
        kOriginW = 1008,
        kOriginL = 1009,
        kOriginH = 1010,
    };

    explicit CStretchDialog(QWidget* parent = nullptr);

    // The fields as the dialog took them when it closed with OK.
    const tools::StretchParameters& Parameters() const { return parameters_; }

  public slots:
    void accept() override;

  private:
    QLineEdit* factorW_;
    QLineEdit* factorL_;
    QLineEdit* factorH_;
    QLineEdit* originW_;
    QLineEdit* originL_;
    QLineEdit* originH_;
    QCheckBox* leaveOriginal_;
    QCheckBox* stretchW_;
    QCheckBox* stretchL_;
    QCheckBox* stretchH_;
    tools::StretchParameters parameters_;
};

}  // namespace lumtrak::editor

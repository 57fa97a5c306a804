#pragma once

#include <QDialog>

#include "tools/shift.h"

class QCheckBox;
class QLineEdit;

namespace lumtrak::editor {

// "Shift Selection" (dialog 131): the offsets W, L and H, "Leave original" and
// "Repeat:" with its count. Made for each use, starting from offsets 0 and
// both boxes off.
class CShiftDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names.
    enum ControlId {
        kW = 1001,
        kL = 1002,
        kH = 1003,
        kLeaveOriginal = 1004,
        kRepeat = 1005,
        kRepeatCount = 1008,
    };

    explicit CShiftDialog(QWidget* parent = nullptr);

    // The fields as the dialog took them when it closed with OK.
    const tools::ShiftParameters& Parameters() const { return parameters_; }

  public slots:
    void accept() override;

  private:
    QLineEdit* offsetW_;
    QLineEdit* offsetL_;
    QLineEdit* offsetH_;
    QCheckBox* leaveOriginal_;
    QCheckBox* repeat_;
    QLineEdit* repeatCount_;
    tools::ShiftParameters parameters_;
};

}  // namespace lumtrak::editor

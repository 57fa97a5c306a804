#pragma once

#include <QDialog>

#include "tools/reflect.h"

class QCheckBox;
class QLineEdit;

namespace lumtrak::editor {

// "Reflect Selection" (dialog 132): the reflection centre W, L and H, the axes
// to reflect and "Leave original". Made for each use, starting from centre 0
// and every box off.
class CReflectDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names: the centre
    // W, L and H, the boxes.
    enum ControlId {
        kW = 1001,
        kL = 1002,
        kH = 1003,
        kLeaveOriginal = 1004,
        kReflectW = 1005,
        kReflectL = 1006,
        kReflectH = 1007,
    };

    explicit CReflectDialog(QWidget* parent = nullptr);

    // The fields as the dialog took them when it closed with OK.
    const tools::ReflectParameters& Parameters() const { return parameters_; }

  public slots:
    void accept() override;

  private:
    QLineEdit* centreW_;
    QLineEdit* centreL_;
    QLineEdit* centreH_;
    QCheckBox* leaveOriginal_;
    QCheckBox* reflectW_;
    QCheckBox* reflectL_;
    QCheckBox* reflectH_;
    tools::ReflectParameters parameters_;
};

}  // namespace lumtrak::editor

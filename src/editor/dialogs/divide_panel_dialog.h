#pragma once

#include <QDialog>

#include "tools/divide_panels.h"

class QLineEdit;

namespace lumtrak::editor {

// "Divide Panel" (dialog 142): a division value per axis and the axis to cut
// across, chosen with the radio buttons "Width", "Length" and "Height". Made
// for each use, starting from values 0 and no axis chosen.
class CDividePanelDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names: the values
    // W, L and H, the radio buttons of the axes.
    enum ControlId {
        kW = 1001,
        kL = 1002,
        kH = 1003,
        kWidth = 1030,
        kLength = 1010,
        kHeight = 1011,
    };

    explicit CDividePanelDialog(QWidget* parent = nullptr);

    // The fields as the dialog took them when it closed with OK.
    const tools::DivideParameters& Parameters() const { return parameters_; }

  public slots:
    void accept() override;

  private:
    QLineEdit* valueW_;
    QLineEdit* valueL_;
    QLineEdit* valueH_;
    // Set when a radio button is clicked.
    tools::DivideAxis axis_ = tools::DivideAxis::None;
    tools::DivideParameters parameters_;
};

}  // namespace lumtrak::editor

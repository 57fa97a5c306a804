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

#pragma once

#include <QDialog>
#include <array>

#include "tools/matrix_transformation.h"

class QLineEdit;

namespace lumtrak::editor {

// "Matrix Transform" (dialog 141): the twelve values of a 3 x 4 matrix, rows
// "W=", "L=" and "H=", columns "W", "L", "H" and "C". One dialog serves the
// whole run: it starts with every value 0, and each use offers the values of
// the last use that ended with OK.
class CMatrixTransformDialog : public QDialog {
    Q_OBJECT

  public:
    // The control ids, which are also the controls' object names: mij is row
    // i (the result axis) and column j (the input axis or the constant), and
    // a fourth row, disabled, stands for the matrix's fixed last row.
    enum ControlId {
        kM11 = 1001,
        kM12 = 1002,
        kM13 = 1003,
        kM14 = 1004,
        kM21 = 1005,
        kM22 = 1006,
        kM23 = 1007,
        kM24 = 1008,
        kM31 = 1009,
        kM32 = 1010,
        kM33 = 1011,
        kM34 = 1012,
        kFixedRowFirst = 1013,
        kFixedRowLast = 1016,
    };

    explicit CMatrixTransformDialog(QWidget* parent = nullptr);

    const tools::TransformMatrix& Matrix() const { return matrix_; }

  public slots:
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::array<QLineEdit*, 12> fields_{};
    tools::TransformMatrix matrix_;
};

}  // namespace lumtrak::editor

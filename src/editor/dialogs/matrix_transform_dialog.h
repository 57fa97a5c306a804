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

#pragma once

#include <QString>
#include <cstdint>

class QCheckBox;
class QDialog;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The controls of the tool dialogs, each named by its control id ("1001"), and
// the reading of their fields when a dialog closes with OK.
namespace lumtrak::editor {

// The ids of the standard buttons, which are also their object names.
enum DialogButton {
    kOk = 1,
    kCancel = 2,
};

QLineEdit* MakeEdit(QWidget* dialog, int id);
QCheckBox* MakeCheckBox(QWidget* dialog, int id, const QString& text);
QRadioButton* MakeRadioButton(QWidget* dialog, int id, const QString& text);
// A push button; OK is the default button and accepts the dialog, Cancel
// rejects it.
QPushButton* MakeButton(QDialog* dialog, int id, const QString& text);
// OK and Cancel one above the other, at the top of a column, with the texts of
// the dialog's language.
QLayout* OkCancelColumn(QDialog* dialog, const QString& ok, const QString& cancel);

// Shows a number in a field.
void ShowInteger(QLineEdit* edit, std::int64_t value);
void ShowFloat(QLineEdit* edit, float value);

// Reads a dialog's fields in order. The first field whose text is not
// acceptable shows the standard message, takes the focus with its text
// selected, and makes the reader fail; fields after it are not read.
class FieldReader {
  public:
    explicit FieldReader(QDialog& dialog) : dialog_(dialog) {}

    // A text field: its leading number, 0 when it has none; never fails.
    std::int32_t Text(QLineEdit* edit);
    // An integer field.
    std::int32_t Integer(QLineEdit* edit);
    // An integer field whose value must lie between low and high.
    std::int32_t Integer(QLineEdit* edit, std::int32_t low, std::int32_t high);
    // A single-precision decimal field.
    float Float(QLineEdit* edit);

    // True when every field read so far was acceptable.
    bool Succeeded() const { return !failed_; }

  private:
    void Refuse(QLineEdit* edit, const QString& message);

    QDialog& dialog_;
    bool failed_ = false;
};

}  // namespace lumtrak::editor

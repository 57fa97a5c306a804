#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace lumtrak::editor {

// "Required Files": the list of files that a definition needs, as text that
// can be edited and copied. Nothing is done with it when the dialog closes.
class CRequiredFilesDialog : public QDialog {
    Q_OBJECT

  public:
    // The control id of the list, which is also its object name.
    enum ControlId {
        kList = 1001,
    };

    explicit CRequiredFilesDialog(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;

  private:
    QPlainTextEdit* list_ = nullptr;
};

}  // namespace lumtrak::editor

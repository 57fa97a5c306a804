#pragma once

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lumtrak::editor {

class CLumtrakStockEditorView;

// The modeless Find and Replace dialog of the Edit menu, working on the view
// that opened it last. What it was last asked for stays for the next use.
class FindReplaceDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FindReplaceDialog(QWidget* parent);

    // Shows the dialog as Find or as Replace for view. Selected text on one line
    // becomes the text to find.
    void Open(CLumtrakStockEditorView& view, bool replace);

  private:
    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();
    void UpdateButtons();
    void NotFound();

    QPointer<CLumtrakStockEditorView> view_;
    bool replacing_ = false;
    QLineEdit* findWhat_ = nullptr;
    QLabel* replaceLabel_ = nullptr;
    QLineEdit* replaceWith_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QWidget* direction_ = nullptr;
    QRadioButton* up_ = nullptr;
    QPushButton* findNext_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

}  // namespace lumtrak::editor

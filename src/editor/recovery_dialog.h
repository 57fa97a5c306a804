#pragma once

#include <QDialog>
#include <vector>

#include "recovery/recovery_folder.h"

class QTreeWidget;

namespace lumtrak::editor {

// Shown at start-up when an earlier run of the editor left recovery copies:
// lists them (file, time, size, and whether the copy is whole) and asks
// whether to recover them, discard them, or decide later.
class RecoveryDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Choice { Recover, Discard, Later };

    explicit RecoveryDialog(const std::vector<recovery::LeftCopy>& copies,
                            QWidget* parent = nullptr);

    // Later when the dialog was closed without a choice.
    Choice Chosen() const { return chosen_; }

  private:
    void Choose(Choice choice);

    QTreeWidget* list_ = nullptr;
    Choice chosen_ = Choice::Later;
};

}  // namespace lumtrak::editor

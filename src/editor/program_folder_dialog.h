#pragma once

#include <QDialog>
#include <QString>

#include "platform/settings_store.h"

class QLineEdit;
class QPushButton;

namespace lumtrak::editor {

// Asks for the simulator's folder, which an installed editor takes as its
// program folder: the folder in a field, "Browse..." to pick it, and OK, which
// takes only an existing folder.
class ProgramFolderDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ProgramFolderDialog(const QString& initial = {}, QWidget* parent = nullptr);

    // The folder in the field, absolute, "~/" taken as the home folder.
    QString Folder() const;

  private:
    void Browse();
    void UpdateOk();

    QLineEdit* folder_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Settles the program folder at start-up when neither the command line nor the
// environment names it: the editor's own folder when a "Stock Index" lies
// beside it, else the simulator's folder that the user named once, asked for
// (with parent as the dialog's owner) when there is none yet. A cancelled
// question leaves the editor's own folder and is asked again at the next start.
void SettleProgramFolder(platform::SettingsStore& editorSettings,
                         platform::SettingsStore& installSettings, QWidget* parent);

}  // namespace lumtrak::editor

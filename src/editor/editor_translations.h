#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace lumtrak::editor {

// Where the editor's .qm files are looked for, in order: the installation's
// data folder, named relative to the program's own folder so that the
// installed tree works under any prefix; "translations" beside the program,
// where a build folder has them; and the files built into a program, as the
// window tests carry them.
QStringList EditorTranslationFolders();

// Installs the editor's translation for locale (German for a German locale)
// from the first of folders that has it, with Qt's and the text editor's own
// where the system has them. English needs none. False when the locale has a
// translation of the editor's that none of the folders holds.
bool InstallTranslations(QCoreApplication& application, const QLocale& locale,
                         const QStringList& folders = EditorTranslationFolders());

}  // namespace lumtrak::editor

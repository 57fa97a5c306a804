#pragma once

#include <QLocale>

class QCoreApplication;

namespace lumtrak::editor {

// Installs the editor's translation for locale (German for a German locale),
// with Qt's and the text editor's own where the system has them. English needs
// none.
void InstallTranslations(QCoreApplication& application, const QLocale& locale);

}  // namespace lumtrak::editor

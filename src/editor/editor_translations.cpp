#include "editor/editor_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumtrak::editor {
namespace {

void Install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void InstallTranslations(QCoreApplication& application, const QLocale& locale) {
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Install(application, locale, QStringLiteral("qtbase"), qtFolder);
    Install(application, locale, QStringLiteral("qscintilla"), qtFolder);
    Install(application, locale, QStringLiteral("lumtrak_stock_editor"),
            QStringLiteral(":/translations"));
}

}  // namespace lumtrak::editor

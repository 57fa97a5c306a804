#include "editor/editor_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumtrak::editor {
namespace {

constexpr const char* kEditorTranslation = "lumtrak_stock_editor";

// The languages that the editor has a translation of, besides English.
bool HasEditorTranslation(const QLocale& locale) {
    return locale.language() == QLocale::German;
}

bool Install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

}  // namespace

QStringList EditorTranslationFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/" LUMTRAK_TRANSLATIONS_FROM_PROGRAM),
            programFolder + QStringLiteral("/translations"), QStringLiteral(":/translations")};
}

bool InstallTranslations(QCoreApplication& application, const QLocale& locale,
                         const QStringList& folders) {
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Install(application, locale, QStringLiteral("qtbase"), qtFolder);
    Install(application, locale, QStringLiteral("qscintilla"), qtFolder);
    for (const QString& folder : folders) {
        if (Install(application, locale, QString::fromLatin1(kEditorTranslation), folder))
            return true;
    }
    return !HasEditorTranslation(locale);
}

}  // namespace lumtrak::editor

#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "editor/editor_translations.h"

namespace lumtrak::editor {

// German for a locale-aware run; the translators go with the object.
struct German {
    German() { InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::German)); }
    ~German() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

}  // namespace lumtrak::editor

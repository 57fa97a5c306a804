#include "editor/document_templates.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <array>

namespace lumtrak::editor {
namespace {

constexpr std::array<DocumentTemplate, 3> kTemplates = {{
    {129,
     "\nLumtrak\nLumtrak Stock\nLumtrak Stock Files (*.stk)\n.stk\nStock.File\nLumtrak Stock "
     "Definition"},
    {130,
     "\nLumtrak\nLumtrak Scenery\nLumtrak Scenery Files (*.stc)\n.stc\nScenery.File\nLumtrak "
     "Scenery Definition"},
    {131,
     "\nLumtrak\nLumtrak Signal\nLumtrak Signal Files (*.sig)\n.sig\nSignal.File\nLumtrak Signal "
     "Definition"},
}};

// The translation context of the fields that the windows show.
constexpr const char* kShownFieldContext = "DocumentTemplate";

// The shown fields of the document strings, for the translations.
[[maybe_unused]] constexpr const char* kShownFields[] = {
    QT_TRANSLATE_NOOP("DocumentTemplate", "Lumtrak Stock"),
    QT_TRANSLATE_NOOP("DocumentTemplate", "Lumtrak Stock Files (*.stk)"),
    QT_TRANSLATE_NOOP("DocumentTemplate", "Lumtrak Scenery"),
    QT_TRANSLATE_NOOP("DocumentTemplate", "Lumtrak Scenery Files (*.stc)"),
    QT_TRANSLATE_NOOP("DocumentTemplate", "Lumtrak Signal"),
    QT_TRANSLATE_NOOP("DocumentTemplate", "Lumtrak Signal Files (*.sig)"),
};

}  // namespace

QString DocumentTemplate::Field(DocumentField field) const {
    return QString::fromLatin1(documentString).section(QLatin1Char('\n'), int(field), int(field));
}

QString DocumentTemplate::ShownField(DocumentField field) const {
    return QCoreApplication::translate(kShownFieldContext, Field(field).toLatin1().constData());
}

std::span<const DocumentTemplate> RegisteredTemplates() {
    return kTemplates;
}

const DocumentTemplate& TemplateForPath(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    for (const DocumentTemplate& candidate : kTemplates) {
        if (name.endsWith(candidate.Field(DocumentField::FilterExtension), Qt::CaseInsensitive)) {
            return candidate;
        }
    }
    return kTemplates.front();
}

QStringList OpenFilters() {
    QStringList filters;
    for (const DocumentTemplate& candidate : kTemplates)
        filters << candidate.ShownField(DocumentField::FilterName);
    filters << QCoreApplication::translate("Files", "All Files (*)");
    return filters;
}

}  // namespace lumtrak::editor

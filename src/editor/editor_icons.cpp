#include "editor/editor_icons.h"

#include "editor/document_templates.h"

namespace lumtrak::editor {
namespace {

QIcon IconOfSizes(const QString& name) {
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(name));
    return icon;
}

}  // namespace

QIcon ApplicationIcon() {
    return IconOfSizes(QStringLiteral("lumtrak-stock-editor"));
}

QIcon DocumentIcon(const DocumentTemplate& documentTemplate) {
    switch (documentTemplate.resource) {
        case 130:
            return IconOfSizes(QStringLiteral("lumtrak-scenery"));
        case 131:
            return IconOfSizes(QStringLiteral("lumtrak-signal"));
        default:
            return IconOfSizes(QStringLiteral("lumtrak-stock"));
    }
}

}  // namespace lumtrak::editor

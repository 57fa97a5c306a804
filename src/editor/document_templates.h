#pragma once

#include <QString>
#include <QStringList>
#include <span>

namespace lumtrak::editor {

// The seven fields of a document string, in their order.
enum class DocumentField {
    WindowTitle,
    DocumentName,  // the base of "Lumtrak1", "Lumtrak2"... for new documents
    NewName,       // the name in the New dialog
    FilterName,    // the file dialogs' filter
    FilterExtension,
    FileTypeId,
    FileTypeName,
};

// A registered document type: stock, scenery or signal definitions. Its
// resource number is that of its menu and icon.
struct DocumentTemplate {
    int resource;
    const char* documentString;

    QString Field(DocumentField field) const;
    // A field as the windows show it, in the user's language: the New
    // dialog's name and the filter.
    QString ShownField(DocumentField field) const;
};

// The three registered types, stock first.
std::span<const DocumentTemplate> RegisteredTemplates();

// The type that opens path: the one whose extension the file name ends in,
// compared without regard to case, else the first type.
const DocumentTemplate& TemplateForPath(const QString& path);

// The open dialog's filters: every type's, then all files.
QStringList OpenFilters();

}  // namespace lumtrak::editor

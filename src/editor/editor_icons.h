#pragma once

#include <QIcon>

namespace lumtrak::editor {

struct DocumentTemplate;

QIcon ApplicationIcon();
QIcon DocumentIcon(const DocumentTemplate& documentTemplate);

}  // namespace lumtrak::editor

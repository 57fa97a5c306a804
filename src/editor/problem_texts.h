#pragma once

#include <QIcon>
#include <QString>

#include "diagnostics/problem.h"

// The texts of problems as the editor shows them: in the user's language, with
// the names and paths in them decoded from Windows-1252.
namespace lumtrak::editor {

// The translation context of the problems' texts: their sources are the
// core's patterns (diagnostics::ProblemKinds(), diagnostics::kInPartPattern).
inline constexpr const char* kProblemContext = "Problem";

QString ProblemText(const diagnostics::Problem& problem);
QString SeverityText(diagnostics::Severity severity);
QIcon SeverityIcon(diagnostics::Severity severity);

}  // namespace lumtrak::editor

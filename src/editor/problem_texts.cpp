#include "editor/problem_texts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStyle>
#include <vector>

#include "qtshell/windows1252.h"

namespace lumtrak::editor {
namespace {

QString Decoded(const std::string& bytes) {
    return qtshell::DecodeWindows1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// The translated pattern with "%n" replaced by the n-th part, in one pass, so
// that a part holding "%2" itself stays as it is.
QString Filled(std::string_view pattern, const std::vector<QString>& parts) {
    const QString translated =
        QCoreApplication::translate(kProblemContext, std::string(pattern).c_str());
    QString text;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const int part = i + 1 < translated.size() && translated[i] == QLatin1Char('%')
                             ? translated[i + 1].digitValue()
                             : -1;
        if (part >= 1 && std::size_t(part) <= parts.size()) {
            text += parts[std::size_t(part - 1)];
            ++i;
        } else {
            text += translated[i];
        }
    }
    return text;
}

}  // namespace

QString ProblemText(const diagnostics::Problem& problem) {
    std::vector<QString> arguments;
    for (const std::string& argument : problem.arguments)
        arguments.push_back(Decoded(argument));
    const QString own = Filled(diagnostics::KindOf(problem.code).pattern, arguments);
    if (!problem.part) return own;
    return Filled(diagnostics::kInPartPattern,
                  {Decoded(problem.part->name), Decoded(problem.part->file),
                   QString::number(problem.part->line), own});
}

QString SeverityText(diagnostics::Severity severity) {
    switch (severity) {
        case diagnostics::Severity::Error:
            return QCoreApplication::translate(kProblemContext, "Error");
        case diagnostics::Severity::Warning:
            return QCoreApplication::translate(kProblemContext, "Warning");
        case diagnostics::Severity::Note:
            break;
    }
    return QCoreApplication::translate(kProblemContext, "Note");
}

QIcon SeverityIcon(diagnostics::Severity severity) {
    const QStyle::StandardPixmap pixmap =
        severity == diagnostics::Severity::Error     ? QStyle::SP_MessageBoxCritical
        : severity == diagnostics::Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                     : QStyle::SP_MessageBoxInformation;
    return QApplication::style()->standardIcon(pixmap);
}

}  // namespace lumtrak::editor

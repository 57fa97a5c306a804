#include "editor/program_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "qtshell/windows1252.h"

namespace lumtrak::editor {
namespace {

// The core's texts, "%1"... where a name, a path or a number goes.
constexpr const char* kCoreTexts[] = {
    QT_TRANSLATE_NOOP("ProgramText", "Can't open file"),
    QT_TRANSLATE_NOOP("ProgramText", "Can't create file mapping.\n%1"),
    QT_TRANSLATE_NOOP("ProgramText", "Can't map file view"),
    QT_TRANSLATE_NOOP("ProgramText", "ReadP overrun: %1"),
    QT_TRANSLATE_NOOP("ProgramText", "Can't identify co-plane"),
    QT_TRANSLATE_NOOP("ProgramText", "Can't write file"),
    QT_TRANSLATE_NOOP("ProgramText", "Stock Index complete"),
    QT_TRANSLATE_NOOP("ProgramText",
                      "include budget spent: further includes placed nothing (a load places at "
                      "most %1 includes and %2 panels, and reads at most %3 bytes of included "
                      "definitions)"),
};

// A text of the list as a pattern that the whole of a shown text must match,
// each "%n" taking what stands in its place.
QRegularExpression PatternOf(const QString& text) {
    QStringList literals = text.split(QRegularExpression(QStringLiteral("%\\d")));
    for (QString& literal : literals)
        literal = QRegularExpression::escape(literal);
    return QRegularExpression(
        QRegularExpression::anchoredPattern(literals.join(QStringLiteral("(.*)"))),
        QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace

QString ProgramText(std::string_view bytes) {
    const QString text =
        qtshell::DecodeWindows1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    for (const char* known : kCoreTexts) {
        const QRegularExpressionMatch match = PatternOf(QString::fromLatin1(known)).match(text);
        if (!match.hasMatch()) continue;
        // "%n" in the shown text takes the n-th part, in one pass, so that a
        // part that holds "%2" itself stays as it is.
        const QString translated = QCoreApplication::translate(kProgramTextContext, known);
        QString shown;
        for (qsizetype i = 0; i < translated.size(); ++i) {
            const int part = i + 1 < translated.size() && translated[i] == QLatin1Char('%')
                                 ? translated[i + 1].digitValue()
                                 : -1;
            if (part >= 1 && part <= match.lastCapturedIndex()) {
                shown += match.captured(part);
                ++i;
            } else {
                shown += translated[i];
            }
        }
        return shown;
    }
    return text;
}

}  // namespace lumtrak::editor

#include "editor/definition_lexer.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lumtrak::editor {
namespace {

using Sci = QsciScintillaBase;
using diagnostics::TokenKind;

// Lines around those in view that are coloured with them, so that a small
// scroll finds them coloured already.
constexpr long kLinesAround = 8;

struct Palette {
    QColor paper;
    std::array<QColor, diagnostics::kTokenKinds> ink;
};

// The inks in the order of TokenKind.
const Palette kLight{QColor(0xFF, 0xFF, 0xFF),
                     {QColor(0x00, 0x00, 0x00), QColor(0x00, 0x00, 0x00), QColor(0x00, 0x00, 0xA0),
                      QColor(0x09, 0x86, 0x58), QColor(0x70, 0x70, 0x70), QColor(0x6A, 0x8A, 0x35),
                      QColor(0xA3, 0x15, 0x15), QColor(0x00, 0x70, 0x80), QColor(0xAF, 0x5F, 0x00),
                      QColor(0xC0, 0x00, 0x60), QColor(0x80, 0x30, 0xA0), QColor(0x80, 0x30, 0xA0),
                      QColor(0x00, 0x50, 0xB0), QColor(0x26, 0x7F, 0x99), QColor(0x79, 0x5E, 0x26),
                      QColor(0xC0, 0x00, 0x00)}};
const Palette kDark{QColor(0x1E, 0x1E, 0x1E),
                    {QColor(0xD4, 0xD4, 0xD4), QColor(0xD4, 0xD4, 0xD4), QColor(0x56, 0x9C, 0xD6),
                     QColor(0xB5, 0xCE, 0xA8), QColor(0x90, 0x90, 0x90), QColor(0x6A, 0x99, 0x55),
                     QColor(0xCE, 0x91, 0x78), QColor(0x4E, 0xC9, 0xB0), QColor(0xD7, 0xBA, 0x7D),
                     QColor(0xF4, 0x87, 0x71), QColor(0xC5, 0x86, 0xC0), QColor(0xC5, 0x86, 0xC0),
                     QColor(0x9C, 0xDC, 0xFE), QColor(0x4F, 0xC1, 0xFF), QColor(0xDC, 0xDC, 0xAA),
                     QColor(0xF4, 0x47, 0x47)}};

constexpr const char* kDescriptions[] = {
    "Plain text",      "Blank",     "Statement word", "Number",   "Separator",    "Comment",
    "Texture name",    "Side tag",  "Material",       "Modifier", "Alias name",   "Alias",
    "Definition name", "Part name", "Property text",  "End",      "Not coloured",
};
static_assert(std::size(kDescriptions) == diagnostics::kTokenKinds + 1);

}  // namespace

DefinitionLexer::DefinitionLexer(const QFont& font, QObject* parent)
    : QsciLexerCustom(parent), font_(font) {}

QString DefinitionLexer::description(int style) const {
    if (style < 0 || style > kUncolouredStyle) return {};
    return QString::fromLatin1(kDescriptions[style]);
}

QColor DefinitionLexer::defaultColor(int style) const {
    const Palette& palette = dark_ ? kDark : kLight;
    if (style < 0 || style >= int(diagnostics::kTokenKinds)) return palette.ink[0];
    return palette.ink[std::size_t(style)];
}

QColor DefinitionLexer::defaultPaper(int) const {
    return (dark_ ? kDark : kLight).paper;
}

QFont DefinitionLexer::defaultFont(int) const {
    return font_;
}

void DefinitionLexer::SetDark(bool dark) {
    if (dark == dark_) return;
    dark_ = dark;
    for (int style = 0; style <= kUncolouredStyle; ++style) {
        setColor(defaultColor(style), style);
        setPaper(defaultPaper(style), style);
    }
    setColor(defaultColor(0), QsciScintillaBase::STYLE_DEFAULT);
    setPaper(defaultPaper(0), QsciScintillaBase::STYLE_DEFAULT);
}

DefinitionLexer::Range DefinitionLexer::VisibleRange() const {
    QsciScintilla* view = editor();
    const long firstShown = view->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long shown = view->SendScintilla(Sci::SCI_LINESONSCREEN);
    const long lines = view->SendScintilla(Sci::SCI_GETLINECOUNT);
    const long first =
        std::max(0L, view->SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, firstShown) - kLinesAround);
    const long last =
        view->SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, firstShown + shown + 1) + kLinesAround + 1;
    const long length = view->SendScintilla(Sci::SCI_GETLENGTH);
    return {view->SendScintilla(Sci::SCI_POSITIONFROMLINE, first),
            last >= lines ? length : view->SendScintilla(Sci::SCI_POSITIONFROMLINE, last)};
}

long DefinitionLexer::Colour(long start, long end) {
    QsciScintilla* view = editor();
    const long length = view->SendScintilla(Sci::SCI_GETLENGTH);
    // To the end of the line that holds end - 1, its line end included.
    const long lastLine = view->SendScintilla(Sci::SCI_LINEFROMPOSITION, std::max(start, end - 1));
    const long lines = view->SendScintilla(Sci::SCI_GETLINECOUNT);
    const long stop = lastLine + 1 >= lines
                          ? length
                          : view->SendScintilla(Sci::SCI_POSITIONFROMLINE, lastLine + 1);
    if (stop <= start) return start;
    // The range only: the whole text would close the editor's gap, a move of
    // all that follows the place of the last change.
    const auto* bytes = reinterpret_cast<const char*>(view->SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), stop - start));
    if (bytes == nullptr) return start;
    const std::string_view text(bytes, std::size_t(stop - start));
    std::string styles(text.size(), char(StyleOf(TokenKind::Plain)));
    for (const diagnostics::Token& token : diagnostics::Tokenize(text)) {
        std::fill_n(styles.begin() + std::ptrdiff_t(token.offset), token.length,
                    char(StyleOf(token.kind)));
    }
    view->SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(start));
    view->SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()),
                        styles.data());
    return stop;
}

void DefinitionLexer::MarkUncoloured(long start, long end) {
    if (end <= start) return;
    QsciScintilla* view = editor();
    view->SendScintilla(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(start));
    view->SendScintilla(Sci::SCI_SETSTYLING, static_cast<unsigned long>(end - start),
                        long(kUncolouredStyle));
}

void DefinitionLexer::styleText(int start, int end) {
    if (!editor()) return;
    const Range visible = VisibleRange();
    long pos = start;
    if (pos < visible.start) {
        const long to = std::min<long>(end, visible.start);
        MarkUncoloured(pos, to);
        pos = to;
    }
    if (pos < end && pos < visible.end) pos = Colour(pos, std::min<long>(end, visible.end));
    if (pos < end) MarkUncoloured(pos, end);
}

void DefinitionLexer::ColourVisibleLines() {
    QsciScintilla* view = editor();
    if (!view) return;
    const Range visible = VisibleRange();
    const long styled = view->SendScintilla(Sci::SCI_GETENDSTYLED);
    const long firstLine = view->SendScintilla(Sci::SCI_LINEFROMPOSITION, visible.start);
    const long lastLine = view->SendScintilla(Sci::SCI_LINEFROMPOSITION, visible.end);
    // Runs of lines in view that were styled but not coloured.
    long runStart = -1;
    for (long line = firstLine; line <= lastLine + 1; ++line) {
        const long at =
            line <= lastLine ? view->SendScintilla(Sci::SCI_POSITIONFROMLINE, line) : -1;
        const bool uncoloured = at >= 0 && at < visible.end && at < styled &&
                                view->SendScintilla(Sci::SCI_GETSTYLEAT, at) == kUncolouredStyle;
        if (uncoloured && runStart < 0) runStart = at;
        if (!uncoloured && runStart >= 0) {
            Colour(runStart, at >= 0 ? at : visible.end);
            runStart = -1;
        }
    }
}

}  // namespace lumtrak::editor

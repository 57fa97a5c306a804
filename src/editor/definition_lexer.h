#pragma once

#include <Qsci/qscilexercustom.h>

#include <QColor>
#include <QFont>
#include <array>

#include "diagnostics/tokens.h"

namespace lumtrak::editor {

// The syntax colouring of definition texts: a lexer over the core's token
// pass, one style per kind of token. Only the lines in view are coloured;
// what the editor asks to have styled beyond them gets a style that looks as
// plain text and is coloured when it comes into view. Every style has the
// view's font, so colouring never changes where a line wraps.
class DefinitionLexer : public QsciLexerCustom {
    Q_OBJECT

  public:
    // Text not yet coloured.
    static constexpr int kUncolouredStyle = int(diagnostics::kTokenKinds);

    DefinitionLexer(const QFont& font, QObject* parent = nullptr);

    const char* language() const override { return "Lumtrak definition"; }
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    void styleText(int start, int end) override;

    // The palette for a dark desktop, or the light one.
    void SetDark(bool dark);
    bool IsDark() const { return dark_; }

    // Colours the lines in view that are not coloured yet.
    void ColourVisibleLines();

    // The style of a kind of token.
    static int StyleOf(diagnostics::TokenKind kind) { return int(kind); }

  private:
    struct Range {
        long start = 0;
        long end = 0;
    };
    // The bytes of the lines in view, and a few lines around them.
    Range VisibleRange() const;
    // Colours [start, end), start being a line start; gives where the
    // colouring ended (the end of the line that holds end - 1).
    long Colour(long start, long end);
    void MarkUncoloured(long start, long end);

    QFont font_;
    bool dark_ = false;
};

}  // namespace lumtrak::editor

#include "editor/byte_glyphs.h"

#include <Qsci/qsciscintillabase.h>

#include <QPainter>
#include <string_view>

#include "qtshell/windows1252.h"

namespace lumtrak::editor {
namespace {

using Sci = QsciScintillaBase;

// Bytes within lines that the editor draws as a cell of their own.
bool HasCell(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F ||
           (byte >= 0x80 && byte < 0xA0);
}

// The character that a byte's cell shows; none for the hex box.
QChar CellCharacter(unsigned char byte) {
    if (byte < 0x80) return QChar();
    const QChar character = qtshell::Windows1252Character(byte);
    return character == QChar(char16_t(byte)) ? QChar() : character;
}

QColor FromScintillaColour(long bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

class CellPainter {
  public:
    CellPainter(QsciScintillaBase& editor, const QRect& area) : editor_(editor), area_(area) {
        const auto* bytes =
            static_cast<const char*>(editor.SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
        text_ = std::string_view(bytes, std::size_t(editor.SendScintilla(Sci::SCI_GETLENGTH)));
        selectionStart_ = std::size_t(editor.SendScintilla(Sci::SCI_GETSELECTIONSTART));
        selectionEnd_ = std::size_t(editor.SendScintilla(Sci::SCI_GETSELECTIONEND));
        lineHeight_ = int(editor.SendScintilla(Sci::SCI_TEXTHEIGHT, 0ul));
    }

    void PaintShownCells() {
        const auto firstShown = std::size_t(editor_.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE));
        const auto shownLines = std::size_t(editor_.SendScintilla(Sci::SCI_LINESONSCREEN)) + 1;
        const auto firstLine = std::size_t(Send(Sci::SCI_DOCLINEFROMVISIBLE, firstShown));
        const auto lastLine =
            std::size_t(Send(Sci::SCI_DOCLINEFROMVISIBLE, firstShown + shownLines));
        const auto from = std::size_t(Send(Sci::SCI_POSITIONFROMLINE, firstLine));
        const auto to = std::size_t(Send(Sci::SCI_GETLINEENDPOSITION, lastLine));
        for (std::size_t pos = from; pos < to && pos < text_.size(); ++pos) {
            if (HasCell(Byte(pos))) PaintCell(pos);
        }
        if (painter_.isActive() && editor_.hasFocus()) RestoreCaret();
    }

  private:
    long Send(unsigned int message, std::size_t wParam, long lParam = 0) const {
        return editor_.SendScintilla(message, static_cast<unsigned long>(wParam), lParam);
    }
    QPoint PointOf(std::size_t pos) const {
        return {int(Send(Sci::SCI_POINTXFROMPOSITION, 0, long(pos))),
                int(Send(Sci::SCI_POINTYFROMPOSITION, 0, long(pos)))};
    }
    unsigned char Byte(std::size_t pos) const { return static_cast<unsigned char>(text_[pos]); }
    bool Selected(std::size_t pos) const { return pos >= selectionStart_ && pos < selectionEnd_; }
    QColor Paper(std::size_t pos) const {
        if (Selected(pos)) return editor_.palette().color(QPalette::Active, QPalette::Highlight);
        return FromScintillaColour(
            Send(Sci::SCI_STYLEGETBACK, std::size_t(Send(Sci::SCI_GETSTYLEAT, pos))));
    }
    QColor Ink(std::size_t pos) const {
        if (Selected(pos))
            return editor_.palette().color(QPalette::Active, QPalette::HighlightedText);
        return FromScintillaColour(
            Send(Sci::SCI_STYLEGETFORE, std::size_t(Send(Sci::SCI_GETSTYLEAT, pos))));
    }

    void Begin() {
        if (painter_.isActive()) return;
        painter_.begin(editor_.viewport());
        painter_.setClipRect(area_);
        painter_.setFont(editor_.font());
    }

    void PaintCell(std::size_t pos) {
        const QPoint at = PointOf(pos);
        const QPoint next = PointOf(pos + 1);
        const bool nextOnLine = next.y() == at.y() && next.x() > at.x();
        const int width = nextOnLine
                              ? next.x() - at.x()
                              : QFontMetrics(editor_.font()).horizontalAdvance(QLatin1Char(' '));
        const QRect cell(at.x(), at.y(), width, lineHeight_);
        // The editor's own cell reaches one column into the next character.
        if (!cell.adjusted(0, 0, 1, 0).intersects(area_)) return;
        Begin();
        painter_.fillRect(cell, Paper(pos));
        const unsigned char byte = Byte(pos);
        const QChar character = CellCharacter(byte);
        painter_.setPen(Ink(pos));
        if (!character.isNull()) {
            painter_.drawText(cell, Qt::AlignLeft | Qt::AlignTop, QString(character));
        } else {
            PaintHexBox(cell, byte);
        }
        RepairColumnAfter(pos + 1, QRect(cell.right() + 1, cell.top(), 1, lineHeight_), nextOnLine);
    }

    // The byte's two hex digits, one above the other, in a box.
    void PaintHexBox(const QRect& cell, unsigned char byte) {
        QColor ink = painter_.pen().color();
        ink.setAlphaF(0.7f);
        painter_.setPen(ink);
        const QRect box = cell.adjusted(0, 0, -1, -1);
        painter_.drawRect(box);
        QFont small = editor_.font();
        small.setPixelSize(std::max(4, box.height() / 2));
        small.setStretch(QFont::Condensed);
        painter_.save();
        painter_.setFont(small);
        const QString digits = QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
        const int half = box.height() / 2;
        const QRect upper(box.left(), box.top(), box.width() + 1, half + 1);
        const QRect lower(box.left(), box.top() + half, box.width() + 1, box.height() - half + 1);
        painter_.drawText(upper, Qt::AlignCenter, digits.left(1));
        painter_.drawText(lower, Qt::AlignCenter, digits.right(1));
        painter_.restore();
    }

    // Paints the column that the editor's cell spilt into the character after
    // it anew: that character's paper and, clipped to the column, its glyph.
    void RepairColumnAfter(std::size_t pos, const QRect& column, bool onSameLine) {
        if (!onSameLine || pos >= text_.size() || HasCell(Byte(pos))) {
            // The next cell paints the column itself; at a line's end there is
            // only paper.
            if (!onSameLine || pos >= text_.size()) painter_.fillRect(column, Paper(pos - 1));
            return;
        }
        const unsigned char byte = Byte(pos);
        painter_.fillRect(column, Paper(pos));
        if (byte == '\t' || byte == '\r' || byte == '\n') return;
        painter_.save();
        painter_.setClipRect(column.intersected(area_));
        painter_.setPen(Ink(pos));
        painter_.drawText(QRect(column.left(), column.top(), column.width() + 32, lineHeight_),
                          Qt::AlignLeft | Qt::AlignTop, QString(QChar(char16_t(byte))));
        painter_.restore();
    }

    // The cells may cover the caret, which the editor drew before them.
    void RestoreCaret() {
        const auto caret = std::size_t(editor_.SendScintilla(Sci::SCI_GETCURRENTPOS));
        const bool besideCell = (caret < text_.size() && HasCell(Byte(caret))) ||
                                (caret > 0 && caret <= text_.size() && HasCell(Byte(caret - 1)));
        if (!besideCell) return;
        const QPoint at = PointOf(caret);
        painter_.fillRect(QRect(at.x(), at.y(), 1, lineHeight_),
                          FromScintillaColour(editor_.SendScintilla(Sci::SCI_GETCARETFORE)));
    }

    QsciScintillaBase& editor_;
    QRect area_;
    std::string_view text_;
    std::size_t selectionStart_ = 0;
    std::size_t selectionEnd_ = 0;
    int lineHeight_ = 0;
    QPainter painter_;
};

}  // namespace

void PrepareByteCells(QsciScintillaBase& editor) {
    // A control-character symbol of blank gives every represented byte the
    // width of one character; the glyphs are painted afterwards.
    editor.SendScintilla(Sci::SCI_SETCONTROLCHARSYMBOL, static_cast<unsigned long>(' '));
    for (int byte = 0x7F; byte < 0xA0; ++byte) {
        const char bytes[2] = {char(byte), '\0'};
        editor.SendScintilla(Sci::SCI_SETREPRESENTATION, bytes, " ");
    }
}

void PaintByteGlyphs(QsciScintillaBase& editor, const QRect& area) {
    CellPainter(editor, area).PaintShownCells();
}

}  // namespace lumtrak::editor

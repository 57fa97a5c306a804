#pragma once

#include <QRect>

class QsciScintillaBase;

// The editor in 8-bit mode draws bytes as Latin-1, which has no characters for
// 0x80 to 0x9F, and shows control bytes as blobs of varying width. These give
// every such byte a cell one character wide and paint in it, over the
// editor's own painting, the byte's Windows-1252 character (the euro sign, the
// typographic quotes and dashes...), or, for control bytes and the five bytes
// that Windows-1252 leaves undefined, the byte's two hex digits in a box.
namespace lumtrak::editor {

void PrepareByteCells(QsciScintillaBase& editor);
void PaintByteGlyphs(QsciScintillaBase& editor, const QRect& area);

}  // namespace lumtrak::editor

#pragma once

#include <QByteArray>

class QsciScintillaBase;

namespace lumtrak::editor {

// A search of the Find and Replace dialogs, in the text's own bytes.
struct SearchOptions {
    QByteArray what;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

// Selects the next match after the selection (before it when searching up),
// going round the end of the text once; false when there is none.
bool FindNext(QsciScintillaBase& editor, const SearchOptions& options);

// Replaces the selection with `with` when the selection is a match, then finds
// the next one (downwards); false when there is none.
bool ReplaceAndFindNext(QsciScintillaBase& editor, const SearchOptions& options,
                        const QByteArray& with);

// Replaces every match in the text as one undoable change; the count of matches.
int ReplaceAll(QsciScintillaBase& editor, const SearchOptions& options, const QByteArray& with);

}  // namespace lumtrak::editor

#include "editor/text_search.h"

#include <Qsci/qsciscintillabase.h>

namespace lumtrak::editor {
namespace {

using Sci = QsciScintillaBase;

long Send(const QsciScintillaBase& editor, unsigned int message, long value = 0) {
    return editor.SendScintilla(message, static_cast<unsigned long>(value));
}

// Searches [from, to) (backwards when from > to) and sets the target to the
// match; its start, or -1.
long SearchRange(QsciScintillaBase& editor, const SearchOptions& options, long from, long to) {
    int flags = 0;
    if (options.matchCase) flags |= Sci::SCFIND_MATCHCASE;
    if (options.wholeWord) flags |= Sci::SCFIND_WHOLEWORD;
    Send(editor, Sci::SCI_SETSEARCHFLAGS, flags);
    Send(editor, Sci::SCI_SETTARGETSTART, from);
    Send(editor, Sci::SCI_SETTARGETEND, to);
    return editor.SendScintilla(Sci::SCI_SEARCHINTARGET,
                                static_cast<unsigned long>(options.what.size()),
                                options.what.constData());
}

void SelectTarget(QsciScintillaBase& editor) {
    editor.SendScintilla(Sci::SCI_SETSEL,
                         static_cast<unsigned long>(Send(editor, Sci::SCI_GETTARGETSTART)),
                         Send(editor, Sci::SCI_GETTARGETEND));
}

}  // namespace

bool FindNext(QsciScintillaBase& editor, const SearchOptions& options) {
    if (options.what.isEmpty()) return false;
    const long length = Send(editor, Sci::SCI_GETLENGTH);
    const long start = Send(editor, Sci::SCI_GETSELECTIONSTART);
    const long end = Send(editor, Sci::SCI_GETSELECTIONEND);
    long found = options.down ? SearchRange(editor, options, end, length)
                              : SearchRange(editor, options, start, 0);
    if (found < 0) {
        found = options.down ? SearchRange(editor, options, 0, length)
                             : SearchRange(editor, options, length, 0);
    }
    if (found < 0) return false;
    SelectTarget(editor);
    return true;
}

bool ReplaceAndFindNext(QsciScintillaBase& editor, const SearchOptions& options,
                        const QByteArray& with) {
    const long start = Send(editor, Sci::SCI_GETSELECTIONSTART);
    const long end = Send(editor, Sci::SCI_GETSELECTIONEND);
    if (start != end && SearchRange(editor, options, start, end) == start &&
        Send(editor, Sci::SCI_GETTARGETEND) == end) {
        editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(with.size()),
                             with.constData());
        Send(editor, Sci::SCI_GOTOPOS, Send(editor, Sci::SCI_GETTARGETEND));
    }
    SearchOptions downwards = options;
    downwards.down = true;
    return FindNext(editor, downwards);
}

int ReplaceAll(QsciScintillaBase& editor, const SearchOptions& options, const QByteArray& with) {
    if (options.what.isEmpty()) return 0;
    int count = 0;
    Send(editor, Sci::SCI_BEGINUNDOACTION);
    long from = 0;
    while (SearchRange(editor, options, from, Send(editor, Sci::SCI_GETLENGTH)) >= 0) {
        editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(with.size()),
                             with.constData());
        from = Send(editor, Sci::SCI_GETTARGETEND);
        ++count;
    }
    Send(editor, Sci::SCI_ENDUNDOACTION);
    if (count > 0) Send(editor, Sci::SCI_GOTOPOS, from);
    return count;
}

}  // namespace lumtrak::editor

#pragma once

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tools/text_buffer.h"

// What an editing tool computes, and how it is put back into the text.
namespace lumtrak::tools {

struct RewriteResult {
    // Whether the text changes at all; when it does, `replacement` takes the place of
    // the bytes `range` of the text the tool read (an empty range inserts).
    bool replaces = true;
    Selection range;
    std::string replacement;
    // The selection the command leaves behind. After a replacement that is the caret
    // after the inserted text unless the tool selects something again.
    Selection selectionAfter;
    bool reselects = false;
    // The messages the command shows, in order.
    std::vector<platform::Message> messages;
    bool repaintsPreview = true;

    // `replacement` in place of `range`, the caret after it.
    static RewriteResult Replace(Selection range, std::string replacement);
    // As Replace, with the inserted text selected afterwards.
    static RewriteResult ReplaceAndSelect(Selection range, std::string replacement);
    // The text stays as it is and `selection` is left selected.
    static RewriteResult Unchanged(Selection selection);
};

// Puts a result into the buffer: selects the range if the buffer's selection is
// another, replaces it, selects again if the tool does, shows the messages, and
// asks the 2D preview to repaint if the tool does.
void CommitRewrite(TextBuffer& buffer, const RewriteResult& result,
                   platform::MessageSink& messages);

// The text after a result is applied to it (tests and checks).
std::string ApplyRewrite(std::string_view text, const RewriteResult& result);

// The text as CommitRewrite leaves a buffer that holds it, as the three pieces
// it is made of (the bytes before the replaced range, the replacement, the
// bytes after it), so that it can be written out without being put together;
// and the selection left behind.
struct RewrittenText {
    std::string_view before;
    std::string_view replacement;
    std::string_view after;
    Selection selection;

    std::size_t Size() const { return before.size() + replacement.size() + after.size(); }
};
RewrittenText Rewritten(std::string_view text, const RewriteResult& result);

}  // namespace lumtrak::tools

#include "tools/rewrite_result.h"

namespace lumtrak::tools {

RewriteResult RewriteResult::Replace(Selection range, std::string replacement) {
    RewriteResult result;
    result.range = range;
    const std::size_t caret = range.start + replacement.size();
    result.selectionAfter = {caret, caret};
    result.replacement = std::move(replacement);
    return result;
}

RewriteResult RewriteResult::ReplaceAndSelect(Selection range, std::string replacement) {
    RewriteResult result = Replace(range, std::move(replacement));
    result.selectionAfter.start = range.start;
    result.reselects = true;
    return result;
}

RewriteResult RewriteResult::Unchanged(Selection selection) {
    RewriteResult result;
    result.replaces = false;
    result.range = selection;
    result.selectionAfter = selection;
    return result;
}

void CommitRewrite(TextBuffer& buffer, const RewriteResult& result,
                   platform::MessageSink& messages) {
    for (const auto& message : result.messages)
        messages.Show(message.caption, message.text);
    if (result.replaces) {
        if (buffer.CurrentSelection() != result.range) buffer.SetSelection(result.range);
        buffer.ReplaceSelection(result.replacement);
    }
    if (result.reselects || buffer.CurrentSelection() != result.selectionAfter) {
        buffer.SetSelection(result.selectionAfter);
    }
    if (result.repaintsPreview) buffer.RepaintPreview();
}

std::string ApplyRewrite(std::string_view text, const RewriteResult& result) {
    std::string out(text);
    if (result.replaces && result.range.start <= result.range.end &&
        result.range.end <= text.size()) {
        out.replace(result.range.start, result.range.end - result.range.start, result.replacement);
    }
    return out;
}

RewrittenText Rewritten(std::string_view text, const RewriteResult& result) {
    RewrittenText rewritten{text, {}, {}, {}};
    if (result.replaces) {
        const Selection range = ClampSelection(result.range, text.size());
        rewritten.before = text.substr(0, range.start);
        rewritten.replacement = result.replacement;
        rewritten.after = text.substr(range.end);
    }
    rewritten.selection = ClampSelection(result.selectionAfter, rewritten.Size());
    return rewritten;
}

}  // namespace lumtrak::tools

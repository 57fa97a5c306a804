#include "tools/text_buffer.h"

namespace lumtrak::tools {

MemoryTextBuffer::MemoryTextBuffer(std::string text, Selection selection) : text_(std::move(text)) {
    SetSelection(selection);
}

void MemoryTextBuffer::SetSelection(Selection selection) {
    selection_ = ClampSelection(selection, text_.size());
}

void MemoryTextBuffer::ReplaceSelection(std::string_view replacement) {
    text_.replace(selection_.start, selection_.end - selection_.start, replacement);
    const std::size_t caret = selection_.start + replacement.size();
    selection_ = {caret, caret};
}

}  // namespace lumtrak::tools

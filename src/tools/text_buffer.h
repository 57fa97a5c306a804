#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text that the editing tools read and rewrite: the editor's text view, or a
// buffer in memory for tests and the command line.
namespace lumtrak::tools {

struct Selection {
    std::size_t start = 0;  // bytes, [start, end)
    std::size_t end = 0;
    bool operator==(const Selection&) const = default;
};

// The selection with both offsets clamped to a text of length bytes, start <= end.
constexpr Selection ClampSelection(Selection selection, std::size_t length) {
    const std::size_t end = selection.end < length ? selection.end : length;
    return {selection.start < end ? selection.start : end, end};
}

class TextBuffer {
  public:
    virtual ~TextBuffer() = default;
    // The whole text as bytes; valid until the next change of the buffer. (The editor
    // returns QScintilla's SCI_GETCHARACTERPOINTER: the text followed by a zero byte.)
    virtual std::string_view Text() const = 0;
    virtual Selection CurrentSelection() const = 0;
    // Selects [start, end) and scrolls the caret into view.
    virtual void SetSelection(Selection selection) = 0;
    // Replaces the selection (inserts at the caret when it is empty); afterwards the caret
    // stands after the inserted text and nothing is selected. (The editor makes it one undo
    // step.)
    virtual void ReplaceSelection(std::string_view replacement) = 0;
    // The 2D preview must repaint from the new text.
    virtual void RepaintPreview() = 0;
};

// A text held in memory. Selections beyond the text are clamped to its length.
class MemoryTextBuffer final : public TextBuffer {
  public:
    explicit MemoryTextBuffer(std::string text, Selection selection = {});

    std::string_view Text() const override { return text_; }
    Selection CurrentSelection() const override { return selection_; }
    void SetSelection(Selection selection) override;
    void ReplaceSelection(std::string_view replacement) override;
    void RepaintPreview() override { ++repaints_; }

    // How many times the preview was asked to repaint.
    int Repaints() const { return repaints_; }

  private:
    std::string text_;
    Selection selection_;
    int repaints_ = 0;
};

}  // namespace lumtrak::tools

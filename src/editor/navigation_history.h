#pragma once

#include <QPointer>
#include <QString>
#include <cstddef>
#include <deque>
#include <optional>

namespace lumtrak::editor {

class CLumtrakStockEditorView;

// A place in the editor that Go to Part left: the window and the caret, and
// the document's file for when that window has closed since.
struct TextPlaceInEditor {
    QPointer<CLumtrakStockEditorView> view;
    QString path;
    std::size_t position = 0;
};

// The short back and forward history of a main window's Go to Part: Back
// returns to where a jump came from, Forward goes where Back came from. A new
// jump forgets what lay forward.
class NavigationHistory {
  public:
    static constexpr std::size_t kLongest = 32;

    // A jump from here.
    void Leave(TextPlaceInEditor here);
    // Where Back goes, with here kept for Forward; nothing when there is nowhere.
    std::optional<TextPlaceInEditor> Back(TextPlaceInEditor here);
    std::optional<TextPlaceInEditor> Forward(TextPlaceInEditor here);

    bool CanGoBack() const { return !back_.empty(); }
    bool CanGoForward() const { return !forward_.empty(); }

  private:
    std::deque<TextPlaceInEditor> back_;
    std::deque<TextPlaceInEditor> forward_;
};

}  // namespace lumtrak::editor

#include "editor/navigation_history.h"

#include <utility>

namespace lumtrak::editor {
namespace {

void PushBounded(std::deque<TextPlaceInEditor>& places, TextPlaceInEditor place) {
    places.push_back(std::move(place));
    if (places.size() > NavigationHistory::kLongest) places.pop_front();
}

std::optional<TextPlaceInEditor> Step(std::deque<TextPlaceInEditor>& from,
                                      std::deque<TextPlaceInEditor>& to, TextPlaceInEditor here) {
    if (from.empty()) return std::nullopt;
    TextPlaceInEditor there = std::move(from.back());
    from.pop_back();
    PushBounded(to, std::move(here));
    return there;
}

}  // namespace

void NavigationHistory::Leave(TextPlaceInEditor here) {
    PushBounded(back_, std::move(here));
    forward_.clear();
}

std::optional<TextPlaceInEditor> NavigationHistory::Back(TextPlaceInEditor here) {
    return Step(back_, forward_, std::move(here));
}

std::optional<TextPlaceInEditor> NavigationHistory::Forward(TextPlaceInEditor here) {
    return Step(forward_, back_, std::move(here));
}

}  // namespace lumtrak::editor

#pragma once

#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace lumtrak::platform {

// A window's place on the desktop in pixels: its top-left corner and its size.
struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// The size of a new preview window on a screen area: two thirds of the area
// each way, but at least minimumWidth x minimumHeight where the area is that
// large, and never larger than the area.
WindowRect PreviewWindowSize(const WindowRect& area, int minimumWidth, int minimumHeight);

// Where a new window of the given size goes: level with the main window's top,
// to its right when the area has room there, else to its left, else against
// the area's right edge; always inside the area.
WindowRect PlaceBeside(const WindowRect& mainWindow, int width, int height, const WindowRect& area);

// The rectangle shrunk to the area's size where it is larger, then moved the
// least that puts it inside the area.
WindowRect FitInto(const WindowRect& rect, const WindowRect& area);

// A remembered place in the settings, kept as "x y width height" (decimal
// integers separated by blanks). Reading gives nothing unless the value is
// exactly that with a width and a height above zero.
std::optional<WindowRect> ReadWindowRect(SettingsStore& settings, const std::string& group,
                                         const std::string& key);
void WriteWindowRect(SettingsStore& settings, const std::string& group, const std::string& key,
                     const WindowRect& rect);

// A remembered position alone, kept as "x y".
struct WindowPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};
std::optional<WindowPosition> ReadWindowPosition(SettingsStore& settings, const std::string& group,
                                                 const std::string& key);
void WriteWindowPosition(SettingsStore& settings, const std::string& group, const std::string& key,
                         const WindowPosition& position);

}  // namespace lumtrak::platform

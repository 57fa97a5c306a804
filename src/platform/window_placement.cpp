#include "platform/window_placement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

namespace lumtrak::platform {
namespace {

// Exactly count decimal integers, each with an optional '-', separated by
// blanks, with nothing else around them.
template <std::size_t count>
std::optional<std::array<int, count>> ParseIntegers(std::string_view text) {
    std::array<int, count> values{};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            if (at == end || *at != ' ') return std::nullopt;
            while (at != end && *at == ' ')
                ++at;
        }
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc()) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    return values;
}

// Moves [start, start + length) the least that puts it inside [low, high).
int FitSpan(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

WindowRect PreviewWindowSize(const WindowRect& area, int minimumWidth, int minimumHeight) {
    const int width = std::max(area.width * 2 / 3, std::min(minimumWidth, area.width));
    const int height = std::max(area.height * 2 / 3, std::min(minimumHeight, area.height));
    return {area.x, area.y, std::max(0, width), std::max(0, height)};
}

WindowRect PlaceBeside(const WindowRect& mainWindow, int width, int height,
                       const WindowRect& area) {
    const int areaRight = area.x + area.width;
    const int mainRight = mainWindow.x + mainWindow.width;
    int x = areaRight - width;
    if (areaRight - mainRight >= width) {
        x = mainRight;
    } else if (mainWindow.x - area.x >= width) {
        x = mainWindow.x - width;
    }
    return FitInto({x, mainWindow.y, width, height}, area);
}

WindowRect FitInto(const WindowRect& rect, const WindowRect& area) {
    WindowRect fitted = rect;
    fitted.width = std::clamp(rect.width, 0, std::max(0, area.width));
    fitted.height = std::clamp(rect.height, 0, std::max(0, area.height));
    fitted.x = FitSpan(rect.x, fitted.width, area.x, area.x + area.width);
    fitted.y = FitSpan(rect.y, fitted.height, area.y, area.y + area.height);
    return fitted;
}

std::optional<WindowRect> ReadWindowRect(SettingsStore& settings, const std::string& group,
                                         const std::string& key) {
    const std::optional<std::string> text = settings.Read(group, key);
    if (!text) return std::nullopt;
    const auto values = ParseIntegers<4>(*text);
    if (!values || (*values)[2] <= 0 || (*values)[3] <= 0) return std::nullopt;
    return WindowRect{(*values)[0], (*values)[1], (*values)[2], (*values)[3]};
}

void WriteWindowRect(SettingsStore& settings, const std::string& group, const std::string& key,
                     const WindowRect& rect) {
    settings.Write(group, key,
                   std::to_string(rect.x) + ' ' + std::to_string(rect.y) + ' ' +
                       std::to_string(rect.width) + ' ' + std::to_string(rect.height));
}

std::optional<WindowPosition> ReadWindowPosition(SettingsStore& settings, const std::string& group,
                                                 const std::string& key) {
    const std::optional<std::string> text = settings.Read(group, key);
    if (!text) return std::nullopt;
    const auto values = ParseIntegers<2>(*text);
    if (!values) return std::nullopt;
    return WindowPosition{(*values)[0], (*values)[1]};
}

void WriteWindowPosition(SettingsStore& settings, const std::string& group, const std::string& key,
                         const WindowPosition& position) {
    settings.Write(group, key, std::to_string(position.x) + ' ' + std::to_string(position.y));
}

}  // namespace lumtrak::platform

#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/side_mask.h"

namespace lumtrak::model {

enum class PanelKind : std::int16_t {
    None = 0,
    Fill = 1,
    Line = 2,
    Rect = 3,
    Headlight = 12,
    Taillight = 13,
};

// One corner in model units (x across, y along, z height) and the screen point
// that only the 2D projection writes.
struct PanelVertex {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t z = 0;
    std::int16_t screenX = 0;
    std::int16_t screenY = 0;
};

// Colours are 0x00BBGGRR: red in the low byte.
constexpr std::uint32_t MakeColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return std::uint32_t(red & 0xFF) | (std::uint32_t(green & 0xFF) << 8) |
           (std::uint32_t(blue & 0xFF) << 16);
}

inline constexpr std::uint32_t kHighlightColour = 0x00FF00FF;

// Modifier bits of a fill.
inline constexpr std::uint8_t kSingleSided = 1;
inline constexpr std::uint8_t kDoubleSided = 2;
inline constexpr std::uint8_t kAtSignMark = 4;

// A drawable record of a model. A line uses vertices 0 and 1 for its ends and
// 2 and 3 for the swing amplitudes of those ends. A panel owns the panels that
// follow it by `next` and its group chain `subPanels`.
struct Panel {
    PanelKind kind = PanelKind::None;
    std::array<PanelVertex, 4> vertices{};
    std::uint32_t colour = 0;
    std::unique_ptr<Panel> next;
    std::unique_ptr<Panel> subPanels;
    SideMask sides;
    std::int16_t period = 0;
    std::int16_t phase1 = 0;
    std::int16_t phase2 = 0;
    std::int8_t material = 0;
    std::int16_t texture = 0;
    std::uint32_t textureColour = 0;
    std::uint8_t modifiers = 0;

    Panel() = default;
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;
    ~Panel();

    // Models of tens of thousands of panels are built and freed on every repaint
    // of the preview; panels therefore reuse the memory of freed ones.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory, std::size_t size) noexcept;
};

// Frees a chain and everything it carries without recursion, so that lists of
// any length can be freed on a small stack.
void FreePanelChain(std::unique_ptr<Panel> head);

}  // namespace lumtrak::model

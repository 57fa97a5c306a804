#pragma once

#include <array>
#include <cstdint>

#include "model/panel.h"
#include "preview2d/canvas.h"

namespace lumtrak::preview2d {

// A projected panel as the pool holds it: a copy of what its drawing needs, its
// two depth keys and its children in the pool's tree (entry indexes, 0 = none).
struct DepthRecord {
    model::PanelKind kind = model::PanelKind::None;
    std::array<model::PanelVertex, 4> vertices{};
    Colour colour = 0;
    // The panel's group chain in the model, projected in place and drawn after it.
    const model::Panel* subPanels = nullptr;
    std::int16_t depthZ = 0;  // the sum of the heights
    std::int16_t depthK = 0;  // how far back the panel lies
    std::uint32_t left = 0;
    std::uint32_t right = 0;
};

// The fixed pool in which one drawing orders its panels back to front: a binary
// tree kept in an array, entry 0 its root. Of its 512 records 510 are used; a
// panel that comes when 510 are held is left out of the drawing.
class DepthPool {
  public:
    static constexpr std::size_t kRecords = 512;
    static constexpr std::uint32_t kUsable = 510;

    // Adds a copy of record below the root: left of a node when its Z is smaller,
    // or its Z equal and its K greater; otherwise right, so equal keys follow the
    // entry already there. Returns false when the pool is full.
    bool Insert(const DepthRecord& record);

    std::uint32_t Count() const { return count_; }
    const DepthRecord& Record(std::uint32_t index) const { return records_[index]; }
    void Clear() { count_ = 0; }

    // Calls visit with each record in tree order (left subtree, node, right
    // subtree): smaller Z first, and at equal Z the larger K first.
    template <class Visit>
    void VisitInOrder(Visit&& visit) const;

  private:
    std::array<DepthRecord, kRecords> records_{};
    std::uint32_t count_ = 0;
};

template <class Visit>
void DepthPool::VisitInOrder(Visit&& visit) const {
    if (count_ == 0) return;
    // The tree is no deeper than the number of its entries.
    std::array<std::uint32_t, kRecords> pending{};
    std::size_t depth = 0;
    std::uint32_t node = 0;
    bool descend = true;
    for (;;) {
        if (descend) {
            pending[depth++] = node;
            if (records_[node].left != 0) {
                node = records_[node].left;
                continue;
            }
        }
        if (depth == 0) return;
        node = pending[--depth];
        visit(records_[node]);
        descend = records_[node].right != 0;
        if (descend) node = records_[node].right;
    }
}

}  // namespace lumtrak::preview2d

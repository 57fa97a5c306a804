#include "preview2d/depth_pool.h"

namespace lumtrak::preview2d {
namespace {

bool GoesLeftOf(const DepthRecord& entry, const DepthRecord& node) {
    return entry.depthZ < node.depthZ ||
           (entry.depthZ == node.depthZ && entry.depthK > node.depthK);
}

}  // namespace

bool DepthPool::Insert(const DepthRecord& record) {
    if (count_ >= kUsable) return false;
    const std::uint32_t added = count_;
    DepthRecord& entry = records_[added];
    entry = record;
    entry.left = 0;
    entry.right = 0;
    if (added != 0) {
        std::uint32_t node = 0;
        for (;;) {
            std::uint32_t& child =
                GoesLeftOf(entry, records_[node]) ? records_[node].left : records_[node].right;
            if (child == 0) {
                child = added;
                break;
            }
            node = child;
        }
    }
    ++count_;
    return true;
}

}  // namespace lumtrak::preview2d

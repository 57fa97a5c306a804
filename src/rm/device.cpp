#include "rm/device.h"

#include "rm/render_pass.h"
#include "rm/worker_pool.h"

namespace lumtrak::rm {

Device::Device(int width, int height, std::shared_ptr<WorkerPool> workers)
    : width_(width),
      height_(height),
      picture_(std::size_t(width) * std::size_t(height), 0xFF000000),
      depth_(picture_.size(), 0.0f),
      published_(picture_),
      workers_(std::move(workers)),
      scratch_(MakeRenderScratch()) {}

Device::~Device() = default;

bool Device::SetShades(int shades) {
    if (shades < 1 || shades > 256 || (shades & (shades - 1)) != 0) return false;
    shades_ = shades;
    return true;
}

void Device::Update() {
    published_ = picture_;
}

}  // namespace lumtrak::rm

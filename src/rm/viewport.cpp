#include "rm/viewport.h"

#include <algorithm>

#include "rm/render_pass.h"
#include "rm/worker_pool.h"

namespace lumtrak::rm {
namespace {

const Frame& RootOf(const Frame& frame) {
    const Frame* root = &frame;
    while (root->GetParent() != nullptr)
        root = root->GetParent();
    return *root;
}

}  // namespace

Viewport::Viewport(std::shared_ptr<Device> device, std::shared_ptr<Frame> camera, int x, int y,
                   int width, int height)
    : device_(std::move(device)),
      camera_(std::move(camera)),
      x_(x),
      y_(y),
      width_(width),
      height_(height) {}

bool Viewport::SetBack(float back) {
    if (!(back > front_)) return false;
    back_ = back;
    return true;
}

void Viewport::Clear() {
    const Colour background = RootOf(*camera_).GetSceneBackground();
    Device& device = *device_;
    device.workers_->Run([&](int worker) {
        const int workers = device.workers_->Size();
        for (int row = y_ + worker; row < y_ + height_; row += workers) {
            const std::size_t start =
                std::size_t(row) * std::size_t(device.width_) + std::size_t(x_);
            std::fill_n(device.picture_.begin() + std::ptrdiff_t(start), width_, background);
            std::fill_n(device.depth_.begin() + std::ptrdiff_t(start), width_, 0.0f);
        }
    });
}

void Viewport::Render(const Frame& scene) {
    Device& device = *device_;
    RenderView view;
    view.camera = camera_->GetWorldTransform();
    view.x = x_;
    view.y = y_;
    view.width = width_;
    view.height = height_;
    view.front = front_;
    view.back = back_;
    view.field = field_;
    view.quality = device.quality_;
    view.picture = device.picture_;
    view.depth = device.depth_;
    view.pictureWidth = device.width_;
    RenderScene(scene, view, *device.scratch_, *device.workers_);
}

}  // namespace lumtrak::rm

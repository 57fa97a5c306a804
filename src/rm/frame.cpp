#include "rm/frame.h"

#include <algorithm>

namespace lumtrak::rm {
namespace {

// The orthonormal axes whose front is direction and whose up is the part of up
// square to it; nothing for a degenerate pair.
bool MakeAxes(Vector direction, Vector up, Transform& axes) {
    const Vector front = Normalized(direction);
    if (front == Vector{}) return false;
    const Vector square = up - front * Dot(up, front);
    // Relative to up's length, so that nearly parallel pairs count as parallel.
    if (Length(square) <= 1e-6f * Length(up)) return false;
    axes.front = front;
    axes.up = Normalized(square);
    axes.right = Cross(axes.up, axes.front);
    return true;
}

Transform WorldOf(const Frame* frame) {
    return frame != nullptr ? frame->GetWorldTransform() : Transform{};
}

template <typename T>
void EraseAll(std::vector<std::shared_ptr<T>>& list, const T& item) {
    std::erase_if(list, [&](const std::shared_ptr<T>& p) { return p.get() == &item; });
}

}  // namespace

Frame::~Frame() {
    for (auto& child : children_)
        child->parent_ = nullptr;
}

Transform Frame::GetWorldTransform() const {
    Transform world = local_;
    for (const Frame* outer = parent_; outer != nullptr; outer = outer->parent_) {
        world = Compose(outer->local_, world);
    }
    return world;
}

void Frame::SetPosition(const Frame* reference, Vector position) {
    const Vector world = WorldOf(reference).Apply(position);
    local_.origin = WorldOf(parent_).ApplyInverse(world);
}

Vector Frame::GetPosition(const Frame* reference) const {
    return WorldOf(reference).ApplyInverse(GetWorldTransform().origin);
}

bool Frame::SetOrientation(const Frame* reference, Vector direction, Vector up) {
    Transform wanted;  // where the axes are to point, in the reference's coordinates
    if (!MakeAxes(direction, up, wanted)) return false;
    // The rotation that takes the frame's axes onto the wanted ones, first in
    // the reference's coordinates, then in the parent's.
    const Transform inReference = Compose(wanted, Inverse(axes_));
    const Transform inWorld = Compose(WorldOf(reference), inReference);
    const Transform inParent = Compose(Inverse(WorldOf(parent_)), inWorld);
    local_.right = inParent.right;
    local_.up = inParent.up;
    local_.front = inParent.front;
    return true;
}

Orientation Frame::GetOrientation(const Frame* reference) const {
    const Transform inReference = Compose(Inverse(WorldOf(reference)), GetWorldTransform());
    return {inReference.Rotate(axes_.front), inReference.Rotate(axes_.up)};
}

bool Frame::SetAxes(Vector front, Vector up) {
    return MakeAxes(front, up, axes_);
}

bool Frame::AddChild(std::shared_ptr<Frame> child) {
    if (!child) return false;
    for (const Frame* f = this; f != nullptr; f = f->parent_) {
        if (f == child.get()) return false;
    }
    if (child->parent_ == this) return true;
    if (child->parent_ != nullptr) child->parent_->DeleteChild(*child);
    child->parent_ = this;
    children_.push_back(std::move(child));
    return true;
}

void Frame::DeleteChild(const Frame& child) {
    if (child.parent_ != this) return;
    // Searched from the newest: a scene of many parts takes its frames out in
    // the reverse order of their making, each then found at once.
    auto found = std::find_if(children_.rbegin(), children_.rend(),
                              [&](const std::shared_ptr<Frame>& c) { return c.get() == &child; });
    // Keep the child alive until its link is cleared.
    std::shared_ptr<Frame> keep = std::move(*found);
    children_.erase(std::next(found).base());
    keep->parent_ = nullptr;
}

void Frame::AddVisual(std::shared_ptr<MeshBuilder> visual) {
    if (visual) visuals_.push_back(std::move(visual));
}

void Frame::DeleteVisual(const MeshBuilder& visual) {
    EraseAll(visuals_, visual);
}

void Frame::AddLight(std::shared_ptr<Light> light) {
    if (light) lights_.push_back(std::move(light));
}

void Frame::DeleteLight(const Light& light) {
    EraseAll(lights_, light);
}

void Frame::SetSceneBackgroundRGB(float red, float green, float blue) {
    background_ = ColourFromRGB(red, green, blue);
}

}  // namespace lumtrak::rm

#include "rm/engine.h"

#include <new>

#include "rm/bmp_codec.h"
#include "rm/worker_pool.h"

namespace lumtrak::rm {
namespace {

constexpr int kLargestDevice = 16384;
constexpr std::int64_t kLargestDevicePixels = std::int64_t(1) << 25;

}  // namespace

Engine::Engine() = default;
Engine::~Engine() = default;

std::shared_ptr<Frame> Engine::CreateFrame(Frame* parent) {
    auto frame = std::make_shared<Frame>();
    if (parent != nullptr) parent->AddChild(frame);
    return frame;
}

std::shared_ptr<MeshBuilder> Engine::CreateMeshBuilder() {
    return std::make_shared<MeshBuilder>();
}

std::shared_ptr<Face> Engine::CreateFace() {
    return std::make_shared<Face>();
}

std::shared_ptr<Material> Engine::CreateMaterial(float power) {
    return std::make_shared<Material>(power);
}

std::shared_ptr<Light> Engine::CreateLightRGB(LightType type, float red, float green, float blue) {
    return std::make_shared<Light>(type, red, green, blue);
}

std::shared_ptr<Texture> Engine::LoadTexture(std::span<const std::uint8_t> fileBytes) {
    auto image = ReadBmp(fileBytes);
    if (!image) return nullptr;
    return CreateTexture(std::make_shared<Image>(std::move(*image)));
}

std::shared_ptr<Texture> Engine::CreateTexture(std::shared_ptr<Image> image) {
    if (!image || !image->Complete()) return nullptr;
    return std::make_shared<Texture>(std::move(image));
}

std::shared_ptr<Device> Engine::CreateDevice(int width, int height) {
    if (width < 1 || height < 1 || width > kLargestDevice || height > kLargestDevice ||
        std::int64_t(width) * height > kLargestDevicePixels) {
        return nullptr;
    }
    if (!workers_) workers_ = std::make_shared<WorkerPool>();
    try {
        return std::make_shared<Device>(width, height, workers_);
    } catch (const std::bad_alloc&) {
        return nullptr;  // the caller goes without a picture, as for any other failure
    }
}

std::shared_ptr<Viewport> Engine::CreateViewport(std::shared_ptr<Device> device,
                                                 std::shared_ptr<Frame> camera, int x, int y,
                                                 int width, int height) {
    if (!device || !camera) return nullptr;
    if (x < 0 || y < 0 || width < 1 || height < 1 || width > device->GetWidth() - x ||
        height > device->GetHeight() - y) {
        return nullptr;
    }
    return std::make_shared<Viewport>(std::move(device), std::move(camera), x, y, width, height);
}

}  // namespace lumtrak::rm

#include "preview3d/preview_engine.h"

namespace lumtrak::preview3d {
namespace {

constexpr float kBackClippingPlane = 5000.0f;

rm::Vector ToVector(double x, double y, double z) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

ScenePoint ToPoint(rm::Vector v) {
    return {v.x, v.y, v.z};
}

int ShadesForDepth(int screenDepth) {
    switch (screenDepth) {
        case 1:
            return 4;
        case 4:
        case 8:
        case 16:
            return 32;
        case 24:
        case 32:
            return 256;
        default:
            return 0;  // the device keeps its shades
    }
}

}  // namespace

PreviewEngine::PreviewEngine(model::TextureRegistry& textures, int lightHarshness)
    : textures_(textures), ambientLevel_(static_cast<float>(100 - lightHarshness) / 100.0f) {
    textures_.SetLoader(&loader_);
    scene_ = engine_.CreateFrame(nullptr);
    camera_ = engine_.CreateFrame(scene_.get());
    camera_->SetOrientation(scene_.get(), {0, 0, 1}, {0, 1, 0});
    camera_->SetPosition(scene_.get(), {0, 10, 0});
    lightFrame_ = engine_.CreateFrame(scene_.get());
    materials_ = CreateMaterialTable(engine_);
    const float a = ambientLevel_;
    ambient_ = engine_.CreateLightRGB(rm::LightType::Ambient, a, a, a);
    scene_->AddLight(ambient_);
    directional_ = engine_.CreateLightRGB(rm::LightType::Directional, 1, 1, 1);
    lightFrame_->AddLight(directional_);
    lightFrame_->SetOrientation(scene_.get(), {0.5f, -0.5f, 0.5f}, {0, 0.5f, 0.5f});
    scene_->SetSceneBackgroundRGB(0.5f, 0.5f, 1.0f);
}

PreviewEngine::~PreviewEngine() {
    ReleaseMaterialTable(materials_);
    animated_ = false;
    // The registry must not load through an engine that is gone.
    if (textures_.Loader() == &loader_) textures_.SetLoader(nullptr);
}

bool PreviewEngine::CreateDevice(int width, int height, int screenDepth) {
    viewport_.reset();
    device_.reset();
    device_ = engine_.CreateDevice(width, height);
    if (!device_) return false;
    viewport_ =
        engine_.CreateViewport(device_, camera_, 0, 0, device_->GetWidth(), device_->GetHeight());
    if (!viewport_) return false;
    viewport_->SetBack(kBackClippingPlane);
    device_->SetQuality(rm::kRenderGouraud);
    const int shades = ShadesForDepth(screenDepth);
    if (shades != 0 && !device_->SetShades(shades)) return false;
    return true;
}

void PreviewEngine::Render() {
    if (viewport_) {
        viewport_->Clear();
        viewport_->Render(*scene_);
    }
    if (device_) device_->Update();
}

std::span<const rm::Colour> PreviewEngine::Picture() const {
    return device_ ? device_->GetPicture() : std::span<const rm::Colour>();
}

int PreviewEngine::DeviceWidth() const {
    return device_ ? device_->GetWidth() : 0;
}

int PreviewEngine::DeviceHeight() const {
    return device_ ? device_->GetHeight() : 0;
}

std::shared_ptr<rm::MeshBuilder> PreviewEngine::CreateMeshBuilder() {
    return engine_.CreateMeshBuilder();
}

std::shared_ptr<rm::Face> PreviewEngine::CreateFace() {
    return engine_.CreateFace();
}

std::shared_ptr<rm::Frame> PreviewEngine::CreateFrame() {
    return engine_.CreateFrame(scene_.get());
}

void PreviewEngine::SetCameraPosition(double x, double y, double z) {
    camera_->SetPosition(scene_.get(), ToVector(x, y + 50, z));
}

void PreviewEngine::SetCameraOrientation(double dx, double dy, double dz, double ux, double uy,
                                         double uz) {
    camera_->SetOrientation(scene_.get(), ToVector(dx, dy, dz), ToVector(ux, uy, uz));
}

ScenePoint PreviewEngine::GetCameraPosition() const {
    return ToPoint(camera_->GetPosition(scene_.get()));
}

ScenePoint PreviewEngine::GetCameraDirection() const {
    return ToPoint(camera_->GetOrientation(scene_.get()).direction);
}

ScenePoint PreviewEngine::GetCameraUp() const {
    return ToPoint(camera_->GetOrientation(scene_.get()).up);
}

void PreviewEngine::SetLightOrientation(double dx, double dy, double dz, double ux, double uy,
                                        double uz) {
    lightFrame_->SetOrientation(scene_.get(), ToVector(dx, dy, dz), ToVector(ux, uy, uz));
}

void PreviewEngine::SetSpotlight(bool on) {
    if (on) {
        ambient_->SetColorRGB(ambientLevel_, ambientLevel_, ambientLevel_);
        directional_->SetColorRGB(1, 1, 1);
    } else {
        directional_->SetColorRGB(0, 0, 0);
        ambient_->SetColorRGB(1, 1, 1);
    }
}

void PreviewEngine::SetLightLevel(int level) {
    switch (level) {
        case 0:
            ambient_->SetColorRGB(0.2f, 0.2f, 0.2f);
            directional_->SetColorRGB(0, 0, 0);
            scene_->SetSceneBackgroundRGB(0.1f, 0.1f, 0.2f);
            break;
        case 1:
            ambient_->SetColorRGB(0.2f, 0.2f, 0.2f);
            directional_->SetColorRGB(0.5f, 0.5f, 0.5f);
            scene_->SetSceneBackgroundRGB(0.2f, 0.2f, 0.5f);
            break;
        case 2:
            ambient_->SetColorRGB(ambientLevel_, ambientLevel_, ambientLevel_);
            directional_->SetColorRGB(1, 1, 1);
            scene_->SetSceneBackgroundRGB(0.5f, 0.5f, 1.0f);
            break;
        default:
            break;
    }
}

void PreviewEngine::SetWireframe(bool on) {
    if (device_) device_->SetQuality(on ? rm::kRenderWireframe : rm::kRenderGouraud);
}

void PreviewEngine::SetAnimatedRoot(ScenePart* part) {
    animated_ = true;
    animatedRoot_ = part;
}

void PreviewEngine::NoteTexture(const std::shared_ptr<rm::Texture>& texture, std::int16_t number) {
    if (texture) noted_[texture.get()] = {texture, number};
}

void PreviewEngine::NoteLabel(const std::shared_ptr<rm::Image>& image, std::string text) {
    if (image) labels_[image.get()] = {image, std::move(text)};
}

std::optional<TextureOrigin> PreviewEngine::OriginOf(const rm::Texture* texture) const {
    const auto found = noted_.find(texture);
    if (found == noted_.end()) return std::nullopt;
    TextureOrigin origin{found->second.number, std::nullopt};
    if (auto label = labels_.find(texture->GetImage().get()); label != labels_.end()) {
        origin.label = label->second.text;
    }
    return origin;
}

void PreviewEngine::ForgetSceneTextures() {
    noted_.clear();
}

}  // namespace lumtrak::preview3d

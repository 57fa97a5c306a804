#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "model/texture_registry.h"
#include "preview3d/material_table.h"
#include "preview3d/registry_loader.h"
#include "rm/engine.h"

namespace lumtrak::preview3d {

struct ScenePart;

// Three doubles: a point or a direction in scene axes (x across, y up, z along).
struct ScenePoint {
    double x = 0;
    double y = 0;
    double z = 0;
    friend bool operator==(const ScenePoint&, const ScenePoint&) = default;
};

// Where a texture that the scene shows came from: the registry number of its
// file, and the label text last painted into its image, if any.
struct TextureOrigin {
    std::int16_t number = 0;
    std::optional<std::string> label;
};

// The engine of one 3D preview: the retained-mode engine, the scene frame with
// the camera and the light frame, the ambient and directional lights, the
// device and viewport that draw the scene, and the materials that its faces
// share. While it exists, the texture registry loads its textures through it.
class PreviewEngine {
  public:
    // Sets the engine up. lightHarshness is the editor's setting (0 to 100, 50
    // by default); the ambient level (100 - harshness) / 100 is used at the
    // start, by the spotlight and by bright lighting. No device is made here.
    PreviewEngine(model::TextureRegistry& textures, int lightHarshness);
    ~PreviewEngine();
    PreviewEngine(const PreviewEngine&) = delete;
    PreviewEngine& operator=(const PreviewEngine&) = delete;

    // Makes the device and the viewport afresh for that size: Gouraud quality,
    // shades for the screen's colour depth, back clipping plane at 5000. False
    // at the first step that fails, which leaves no viewport.
    bool CreateDevice(int width, int height, int screenDepth = 32);
    // Clears the viewport, renders the scene and publishes the picture, as far
    // as there is a viewport and a device.
    void Render();
    // The picture of the last Render, rows top first as 0xFFRRGGBB; empty
    // without a device.
    std::span<const rm::Colour> Picture() const;
    int DeviceWidth() const;
    int DeviceHeight() const;

    std::shared_ptr<rm::MeshBuilder> CreateMeshBuilder();
    std::shared_ptr<rm::Face> CreateFace();
    // A frame that is a child of the scene frame.
    std::shared_ptr<rm::Frame> CreateFrame();

    // The camera's operations keep the names the preview knows them by (Get and
    // Set); the engine's other accessors are named by what they return.
    // Every caller's height is raised by 50.
    void SetCameraPosition(double x, double y, double z);
    void SetCameraOrientation(double dx, double dy, double dz, double ux, double uy, double uz);
    ScenePoint GetCameraPosition() const;  // the real height, including the 50
    ScenePoint GetCameraDirection() const;
    ScenePoint GetCameraUp() const;
    void SetLightOrientation(double dx, double dy, double dz, double ux, double uy, double uz);

    // On: ambient at the harshness level and white directional light. Off:
    // white ambient light and no directional light.
    void SetSpotlight(bool on);
    // 0 low, 1 dim, 2 bright: the two lights and the background; any other
    // level changes nothing.
    void SetLightLevel(int level);
    void SetWireframe(bool on);

    // Set once a moving part has been built; stays set.
    void SetAnimatedRoot(ScenePart* part);
    bool IsAnimated() const { return animated_; }
    ScenePart* AnimatedRoot() const { return animatedRoot_; }

    rm::Engine& Engine() { return engine_; }
    rm::Frame& Scene() { return *scene_; }
    const rm::Frame& Scene() const { return *scene_; }
    const rm::Frame& Camera() const { return *camera_; }
    const rm::Light& AmbientLight() const { return *ambient_; }
    const rm::Light& DirectionalLight() const { return *directional_; }
    const rm::Frame& LightFrame() const { return *lightFrame_; }
    MaterialTable& Materials() { return materials_; }
    const MaterialTable& Materials() const { return materials_; }
    const rm::Device* Device() const { return device_.get(); }

    // What the scene's textures are, for those who describe a scene: textures
    // of registry entries and the label textures made from their images, which
    // are forgotten with each new scene, and the text last painted into each
    // image, which stays in the image and so is kept.
    void NoteTexture(const std::shared_ptr<rm::Texture>& texture, std::int16_t number);
    void NoteLabel(const std::shared_ptr<rm::Image>& image, std::string text);
    std::optional<TextureOrigin> OriginOf(const rm::Texture* texture) const;
    void ForgetSceneTextures();

  private:
    model::TextureRegistry& textures_;
    rm::Engine engine_;
    RegistryLoader loader_{engine_};
    float ambientLevel_;
    std::shared_ptr<rm::Frame> scene_;
    std::shared_ptr<rm::Frame> camera_;
    std::shared_ptr<rm::Frame> lightFrame_;
    std::shared_ptr<rm::Device> device_;
    std::shared_ptr<rm::Viewport> viewport_;
    std::shared_ptr<rm::Light> ambient_;
    std::shared_ptr<rm::Light> directional_;
    MaterialTable materials_;
    bool animated_ = false;
    ScenePart* animatedRoot_ = nullptr;

    struct NotedTexture {
        std::shared_ptr<rm::Texture> texture;  // kept, so that its address names it
        std::int16_t number = 0;
    };
    std::unordered_map<const rm::Texture*, NotedTexture> noted_;
    struct PaintedLabel {
        std::shared_ptr<rm::Image> image;  // kept, so that its address names it
        std::string text;
    };
    std::unordered_map<const rm::Image*, PaintedLabel> labels_;
};

}  // namespace lumtrak::preview3d

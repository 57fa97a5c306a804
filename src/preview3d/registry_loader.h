#pragma once

#include <memory>
#include <string>

#include "model/texture_registry.h"
#include "rm/engine.h"
#include "rm/texture.h"

namespace lumtrak::preview3d {

// Lets the texture registry load its textures through an engine: publish one
// with TextureRegistry::SetLoader while the engine exists.
class RegistryLoader final : public model::TextureLoader {
  public:
    explicit RegistryLoader(rm::Engine& engine) : engine_(engine) {}
    std::unique_ptr<model::TextureObject> LoadTexture(const std::string& fileName) override;

  private:
    rm::Engine& engine_;
};

// The engine's texture held by a registry entry's texture object; none for none,
// or for an object that another loader made.
std::shared_ptr<rm::Texture> RegistryTexture(const model::TextureObject* object);

}  // namespace lumtrak::preview3d

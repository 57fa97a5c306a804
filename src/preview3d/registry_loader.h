#pragma once

#include <memory>
#include <span>

#include "model/texture_registry.h"
#include "rm/engine.h"
#include "rm/texture.h"

namespace lumtrak::preview3d {

// Lets the texture registry load its textures through an engine: publish one
// with TextureRegistry::SetLoader while the engine exists.
class RegistryLoader final : public model::TextureLoader {
  public:
    explicit RegistryLoader(rm::Engine& engine) : engine_(engine) {}
    Loaded LoadTexture(std::span<const char> fileBytes, std::size_t largestPicture) override;
    std::unique_ptr<model::TextureObject> ShareTexture(const model::TextureObject& loaded) override;

  private:
    rm::Engine& engine_;
};

// The engine's texture held by a registry entry's texture object; none for none,
// or for an object that another loader made.
std::shared_ptr<rm::Texture> RegistryTexture(const model::TextureObject* object);

}  // namespace lumtrak::preview3d

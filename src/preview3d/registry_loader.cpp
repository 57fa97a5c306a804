#include "preview3d/registry_loader.h"

namespace lumtrak::preview3d {
namespace {

struct LoadedTexture final : model::TextureObject {
    explicit LoadedTexture(std::shared_ptr<rm::Texture> loaded) : texture(std::move(loaded)) {}
    std::shared_ptr<rm::Texture> texture;
};

}  // namespace

std::unique_ptr<model::TextureObject> RegistryLoader::LoadTexture(const std::string& fileName) {
    auto texture = engine_.LoadTexture(fileName);
    if (!texture) return nullptr;
    return std::make_unique<LoadedTexture>(std::move(texture));
}

std::shared_ptr<rm::Texture> RegistryTexture(const model::TextureObject* object) {
    const auto* loaded = dynamic_cast<const LoadedTexture*>(object);
    return loaded != nullptr ? loaded->texture : nullptr;
}

}  // namespace lumtrak::preview3d

#include "rm/registry_loader.h"

namespace lumtrak::rm {
namespace {

struct LoadedTexture final : model::TextureObject {
    explicit LoadedTexture(std::shared_ptr<Texture> loaded) : texture(std::move(loaded)) {}
    std::shared_ptr<Texture> texture;
};

}  // namespace

std::unique_ptr<model::TextureObject> RegistryLoader::LoadTexture(const std::string& fileName) {
    auto texture = engine_.LoadTexture(fileName);
    if (!texture) return nullptr;
    return std::make_unique<LoadedTexture>(std::move(texture));
}

std::shared_ptr<Texture> RegistryTexture(const model::TextureObject* object) {
    const auto* loaded = dynamic_cast<const LoadedTexture*>(object);
    return loaded != nullptr ? loaded->texture : nullptr;
}

}  // namespace lumtrak::rm

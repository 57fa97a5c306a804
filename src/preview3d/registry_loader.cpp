#include "preview3d/registry_loader.h"

#include "rm/bmp_codec.h"

namespace lumtrak::preview3d {
namespace {

struct LoadedTexture final : model::TextureObject {
    explicit LoadedTexture(std::shared_ptr<rm::Texture> loaded) : texture(std::move(loaded)) {}
    std::size_t PictureBytes() const override { return texture->GetImage()->MemoryBytes(); }
    std::shared_ptr<rm::Texture> texture;
};

}  // namespace

model::TextureLoader::Loaded RegistryLoader::LoadTexture(std::span<const char> fileBytes,
                                                         std::size_t largestPicture) {
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(fileBytes.data()),
                          fileBytes.size());
    const auto pictureBytes = rm::BmpPictureBytes(bytes);
    if (!pictureBytes) return {};
    if (*pictureBytes > largestPicture) return {nullptr, *pictureBytes};
    auto texture = engine_.LoadTexture(bytes);
    if (!texture) return {};
    auto loaded = std::make_unique<LoadedTexture>(std::move(texture));
    const std::size_t bytesTaken = loaded->PictureBytes();
    return {std::move(loaded), bytesTaken};
}

std::unique_ptr<model::TextureObject> RegistryLoader::ShareTexture(
    const model::TextureObject& loaded) {
    const auto texture = RegistryTexture(&loaded);
    auto shared = texture ? engine_.CreateTexture(texture->GetImage()) : nullptr;
    if (!shared) return nullptr;
    return std::make_unique<LoadedTexture>(std::move(shared));
}

std::shared_ptr<rm::Texture> RegistryTexture(const model::TextureObject* object) {
    const auto* loaded = dynamic_cast<const LoadedTexture*>(object);
    return loaded != nullptr ? loaded->texture : nullptr;
}

}  // namespace lumtrak::preview3d

#include "preview3d/texture_for_number.h"

#include "preview3d/registry_loader.h"

namespace lumtrak::preview3d {

std::shared_ptr<rm::Texture> TextureForNumber(model::TextureRegistry& registry,
                                              std::int32_t number) {
    if (number > 0) {
        if (number > INT16_MAX) return nullptr;
        auto* entry = registry.Find(static_cast<std::int16_t>(number));
        if (entry == nullptr) return nullptr;
        registry.LoadTextureObject(*entry);
        return RegistryTexture(entry->texture.get());
    }
    if (number < -INT16_MAX) return nullptr;
    const auto* entry = registry.Find(static_cast<std::int16_t>(-number));
    if (entry == nullptr) return nullptr;
    const auto privateCopy = registry.LoadPrivateTexture(*entry);
    return RegistryTexture(privateCopy.get());
}

}  // namespace lumtrak::preview3d

#include "preview3d/texture_for_number.h"

#include "platform/current_folder.h"
#include "platform/program_folder.h"
#include "preview3d/registry_loader.h"

namespace lumtrak::preview3d {

std::shared_ptr<rm::Texture> TextureForNumber(model::TextureRegistry& registry, rm::Engine& engine,
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
    platform::ChangeCurrentFolder(entry->folder);
    if (auto texture = engine.LoadTexture(entry->fileName)) return texture;
    platform::EnterProgramFolder();
    platform::ChangeCurrentFolder("Textures");
    return engine.LoadTexture(entry->fileName);
}

}  // namespace lumtrak::preview3d

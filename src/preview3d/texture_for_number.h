#pragma once

#include <cstdint>
#include <memory>

#include "model/texture_registry.h"
#include "rm/texture.h"

namespace lumtrak::preview3d {

// The texture of a registry number. A positive number gives the entry's own
// texture, loaded into the entry the first time (from the entry's folder, the
// document folder, then the program's "Textures"). A number of 0 or less gives
// a private copy of entry -number, loaded afresh (from the entry's folder, then
// "Textures") and kept by nobody else. None when there is no such entry or the
// file cannot be loaded. Textures load through the registry's loader, which the
// engine of the 3D preview publishes.
std::shared_ptr<rm::Texture> TextureForNumber(model::TextureRegistry& registry,
                                              std::int32_t number);

}  // namespace lumtrak::preview3d

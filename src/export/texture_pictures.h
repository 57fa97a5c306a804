#pragma once

#include <string>
#include <vector>

#include "export/scene_snapshot.h"
#include "rm/colour.h"

// The pictures of a scene's textures as the files that carry them.
namespace lumtrak::exporter {

// The texture's pixels, rows top first, as 0xAARRGGBB: palette indices through
// the palette (an index beyond it is black), the colour key of a decal (palette
// index 0, or black in a true-colour image) with alpha 0, everything else
// opaque.
std::vector<rm::Colour> TexturePixels(const ExportTexture& texture);

// The texture as a PNG file: RGBA for a decal, RGB otherwise. Empty when it
// cannot be encoded.
std::string TexturePng(const ExportTexture& texture);

}  // namespace lumtrak::exporter

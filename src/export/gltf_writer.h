#pragma once

#include <string>
#include <vector>

#include "export/export_format.h"
#include "export/output_files.h"
#include "export/scene_snapshot.h"

namespace lumtrak::exporter {

// The snapshot as glTF 2.0: the binary file at out (Glb), or the JSON file at
// out followed by its ".bin" beside it (Gltf), which names the texture files
// (see SideFiles::TextureSuffix). Each part
// is a node named by the part, placed in its parent's node by a translation
// and a rotation, with one mesh of its faces (a primitive for each material,
// flat normals); the top node mirrors the across axis, which turns the scene's
// left-handed axes into glTF's right-handed ones and keeps the positions of
// the meshes those of the scene. Materials carry the face colour and alpha, the
// emissive colour of their slot, and their texture, blended for glass and
// masked for a decal; every texture has a sampler of its own, nearest texels
// clamped at the edges, as the preview draws them. texturePngs holds the PNG
// file of each of the snapshot's textures.
std::vector<OutputFile> GltfFiles(const SceneSnapshot& snapshot,
                                  const std::vector<std::string>& texturePngs, ExportFormat format,
                                  const std::string& out);

// A file name as a relative URI reference: every byte but letters, digits and
// "-._~" written as %XX.
std::string UriOfFileName(std::string_view name);

}  // namespace lumtrak::exporter

#pragma once

#include <string>
#include <vector>

#include "export/output_files.h"
#include "export/scene_snapshot.h"

namespace lumtrak::exporter {

// The snapshot flattened as it is placed, as Wavefront OBJ: the file at out,
// then its material library (".mtl") beside it, which names the texture files
// (see SideFiles::TextureSuffix). One
// group per part (names made unique, blanks as '_'), the texture coordinates
// of textured faces, and a material per look with its colour, alpha, emissive
// and specular colours and its texture ("map_Kd"; "map_d" too for a decal,
// whose PNG holds the colour key as transparency). The across axis is mirrored
// and each face's vertices reversed, which turns the scene's left-handed axes
// into the right-handed ones of the format with the faces still facing out.
std::vector<OutputFile> ObjFiles(const SceneSnapshot& snapshot, const std::string& out);

}  // namespace lumtrak::exporter

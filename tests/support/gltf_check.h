#pragma once

#include <tiny_gltf.h>

#include <string>
#include <string_view>
#include <vector>

// Reading glTF files back with tinygltf, and the structural rules of glTF 2.0
// that a validator checks, for the tests of the exporter.
namespace lumtrak::testing {

struct GltfRead {
    bool ok = false;
    std::string error;
    std::string warning;
    tinygltf::Model model;
};

// A ".glb" from its bytes, or a ".gltf" from its file (with the files it
// names, found beside it); the images decoded.
GltfRead ReadGlb(std::string_view bytes);
GltfRead ReadGltfFile(const std::string& path);

// The values of an accessor that fits its buffer view, in order, each
// component a double.
std::vector<double> AccessorValues(const tinygltf::Model& model,
                                   const tinygltf::Accessor& accessor);

// What breaks the rules of glTF 2.0 in a model as read: references that lead
// nowhere, buffer views and accessors that do not fit or are misaligned,
// missing or wrong bounds of positions, normals that are no unit vectors,
// indices beyond the vertices, a node with two parents or in a cycle, colour
// factors outside 0..1, rotations that are no unit quaternions, images
// without their data. One line per fault; none for a valid model.
std::vector<std::string> GltfFaults(const tinygltf::Model& model);

// What breaks the container rules of a ".glb" file: its header, the length
// that it gives, its JSON and BIN chunks, their alignment and padding.
std::vector<std::string> GlbContainerFaults(std::string_view bytes);

}  // namespace lumtrak::testing

#include "support/gltf_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>

namespace lumtrak::testing {
namespace {

constexpr int kArrayBuffer = 34962;
constexpr int kElementArrayBuffer = 34963;

std::string Where(std::string_view what, std::size_t index) {
    return std::string(what) + " " + std::to_string(index) + ": ";
}

std::size_t ComponentSize(int componentType) {
    switch (componentType) {
        case TINYGLTF_COMPONENT_TYPE_BYTE:
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE:
            return 1;
        case TINYGLTF_COMPONENT_TYPE_SHORT:
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT:
            return 2;
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT:
        case TINYGLTF_COMPONENT_TYPE_FLOAT:
            return 4;
        default:
            return 0;
    }
}

std::size_t Components(int type) {
    switch (type) {
        case TINYGLTF_TYPE_SCALAR:
            return 1;
        case TINYGLTF_TYPE_VEC2:
            return 2;
        case TINYGLTF_TYPE_VEC3:
            return 3;
        case TINYGLTF_TYPE_VEC4:
        case TINYGLTF_TYPE_MAT2:
            return 4;
        case TINYGLTF_TYPE_MAT3:
            return 9;
        case TINYGLTF_TYPE_MAT4:
            return 16;
        default:
            return 0;
    }
}

bool InUnitRange(const std::vector<double>& values) {
    for (const double v : values) {
        if (!(v >= 0 && v <= 1)) return false;
    }
    return true;
}

class Checker {
  public:
    explicit Checker(const tinygltf::Model& model) : model_(model) {}

    std::vector<std::string> Run() {
        if (model_.asset.version != "2.0") Fault("asset: version is not 2.0");
        CheckBuffers();
        for (std::size_t i = 0; i < model_.accessors.size(); ++i)
            CheckAccessor(i);
        for (std::size_t i = 0; i < model_.meshes.size(); ++i)
            CheckMesh(i);
        CheckNodes();
        CheckLooks();
        return faults_;
    }

  private:
    void Fault(std::string text) { faults_.push_back(std::move(text)); }

    template <typename T>
    bool Valid(int index, const std::vector<T>& list) const {
        return index >= 0 && std::size_t(index) < list.size();
    }

    void CheckBuffers() {
        for (std::size_t i = 0; i < model_.buffers.size(); ++i) {
            if (model_.buffers[i].data.empty()) Fault(Where("buffer", i) + "no bytes");
        }
        for (std::size_t i = 0; i < model_.bufferViews.size(); ++i) {
            const auto& view = model_.bufferViews[i];
            if (!Valid(view.buffer, model_.buffers)) {
                Fault(Where("bufferView", i) + "no such buffer");
                continue;
            }
            if (view.byteLength < 1) Fault(Where("bufferView", i) + "empty");
            if (view.byteOffset + view.byteLength >
                model_.buffers[std::size_t(view.buffer)].data.size()) {
                Fault(Where("bufferView", i) + "beyond its buffer");
            }
            if (view.byteStride != 0 &&
                (view.byteStride < 4 || view.byteStride > 252 || view.byteStride % 4 != 0)) {
                Fault(Where("bufferView", i) + "bad byteStride");
            }
            if (view.target != 0 && view.target != kArrayBuffer &&
                view.target != kElementArrayBuffer) {
                Fault(Where("bufferView", i) + "bad target");
            }
        }
    }

    void CheckAccessor(std::size_t i) {
        const auto& accessor = model_.accessors[i];
        const std::size_t size = ComponentSize(accessor.componentType);
        const std::size_t components = Components(accessor.type);
        if (size == 0 || components == 0) return Fault(Where("accessor", i) + "bad type");
        if (accessor.count < 1) return Fault(Where("accessor", i) + "count below 1");
        if (!Valid(accessor.bufferView, model_.bufferViews)) {
            return Fault(Where("accessor", i) + "no such bufferView");
        }
        const auto& view = model_.bufferViews[std::size_t(accessor.bufferView)];
        if (!Valid(view.buffer, model_.buffers)) return;
        if ((view.byteOffset + accessor.byteOffset) % size != 0) {
            Fault(Where("accessor", i) + "misaligned");
        }
        const std::size_t element = size * components;
        const std::size_t stride = view.byteStride ? view.byteStride : element;
        if (accessor.byteOffset + (accessor.count - 1) * stride + element > view.byteLength) {
            return Fault(Where("accessor", i) + "beyond its bufferView");
        }
        if (view.byteOffset + view.byteLength >
            model_.buffers[std::size_t(view.buffer)].data.size()) {
            return;
        }
        const bool bounded = !accessor.minValues.empty() || !accessor.maxValues.empty();
        if (!bounded) return;
        if (accessor.minValues.size() != components || accessor.maxValues.size() != components) {
            return Fault(Where("accessor", i) + "min or max of the wrong size");
        }
        const std::vector<double> values = AccessorValues(model_, accessor);
        for (std::size_t c = 0; c < components; ++c) {
            double low = values[c];
            double high = values[c];
            for (std::size_t at = c; at < values.size(); at += components) {
                low = std::min(low, values[at]);
                high = std::max(high, values[at]);
            }
            if (low != accessor.minValues[c] || high != accessor.maxValues[c]) {
                Fault(Where("accessor", i) + "min or max differs from the data");
            }
        }
    }

    // The accessor of an attribute, checked for its type; null when unusable.
    const tinygltf::Accessor* Attribute(const std::string& where, int index, int type, int target) {
        if (!Valid(index, model_.accessors)) {
            Fault(where + "no such accessor");
            return nullptr;
        }
        const auto& accessor = model_.accessors[std::size_t(index)];
        if (accessor.type != type) Fault(where + "wrong type");
        if (Valid(accessor.bufferView, model_.bufferViews)) {
            const int viewTarget = model_.bufferViews[std::size_t(accessor.bufferView)].target;
            if (viewTarget != 0 && viewTarget != target) Fault(where + "view of the wrong target");
        }
        return &accessor;
    }

    bool Readable(const tinygltf::Accessor& accessor) const {
        if (!Valid(accessor.bufferView, model_.bufferViews)) return false;
        const auto& view = model_.bufferViews[std::size_t(accessor.bufferView)];
        const std::size_t element =
            ComponentSize(accessor.componentType) * Components(accessor.type);
        return Valid(view.buffer, model_.buffers) && element != 0 && accessor.count >= 1 &&
               view.byteOffset + view.byteLength <=
                   model_.buffers[std::size_t(view.buffer)].data.size() &&
               accessor.byteOffset + accessor.count * element <= view.byteLength;
    }

    void CheckPrimitive(const std::string& where, const tinygltf::Primitive& primitive) {
        const auto position = primitive.attributes.find("POSITION");
        if (position == primitive.attributes.end()) return Fault(where + "no POSITION");
        const auto* positions =
            Attribute(where + "POSITION: ", position->second, TINYGLTF_TYPE_VEC3, kArrayBuffer);
        if (positions == nullptr) return;
        if (positions->minValues.empty() || positions->maxValues.empty()) {
            Fault(where + "POSITION without min and max");
        }
        for (const auto& [name, index] : primitive.attributes) {
            const int type = name == "TEXCOORD_0" ? TINYGLTF_TYPE_VEC2 : TINYGLTF_TYPE_VEC3;
            const auto* accessor = Attribute(where + name + ": ", index, type, kArrayBuffer);
            if (accessor == nullptr) continue;
            if (accessor->count != positions->count) Fault(where + name + ": count differs");
            if (accessor->componentType != TINYGLTF_COMPONENT_TYPE_FLOAT) {
                Fault(where + name + ": not float");
            }
            if (name == "NORMAL" && Readable(*accessor)) {
                const auto values = AccessorValues(model_, *accessor);
                for (std::size_t v = 0; v + 2 < values.size(); v += 3) {
                    const double length =
                        std::sqrt(values[v] * values[v] + values[v + 1] * values[v + 1] +
                                  values[v + 2] * values[v + 2]);
                    if (std::abs(length - 1) > 5e-4) {
                        Fault(where + "NORMAL: not a unit vector");
                        break;
                    }
                }
            }
        }
        if (primitive.material != -1 && !Valid(primitive.material, model_.materials)) {
            Fault(where + "no such material");
        }
        if (primitive.mode != TINYGLTF_MODE_TRIANGLES) return;
        if (primitive.indices < 0) return;
        const auto* indices = Attribute(where + "indices: ", primitive.indices,
                                        TINYGLTF_TYPE_SCALAR, kElementArrayBuffer);
        if (indices == nullptr || !Readable(*indices)) return;
        if (indices->count % 3 != 0) Fault(where + "indices: not whole triangles");
        const auto type = indices->componentType;
        const double restart = type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT ? 65535.0
                               : type == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT ? 4294967295.0
                                                                              : 255.0;
        if (type != TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT &&
            type != TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT &&
            type != TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE) {
            return Fault(where + "indices: not unsigned");
        }
        for (const double index : AccessorValues(model_, *indices)) {
            if (index >= double(positions->count) || index == restart) {
                return Fault(where + "indices: beyond the vertices");
            }
        }
    }

    void CheckMesh(std::size_t i) {
        const auto& mesh = model_.meshes[i];
        if (mesh.primitives.empty()) Fault(Where("mesh", i) + "no primitives");
        for (std::size_t p = 0; p < mesh.primitives.size(); ++p) {
            CheckPrimitive(Where("mesh", i) + Where("primitive", p), mesh.primitives[p]);
        }
    }

    void CheckNodes() {
        std::vector<int> parent(model_.nodes.size(), -1);
        for (std::size_t i = 0; i < model_.nodes.size(); ++i) {
            const auto& node = model_.nodes[i];
            const std::string where = Where("node", i);
            if (node.mesh != -1 && !Valid(node.mesh, model_.meshes)) Fault(where + "no such mesh");
            for (const int child : node.children) {
                if (!Valid(child, model_.nodes)) {
                    Fault(where + "no such child");
                } else if (parent[std::size_t(child)] != -1 || std::size_t(child) == i) {
                    Fault(where + "a child with another parent");
                } else {
                    parent[std::size_t(child)] = int(i);
                }
            }
            if (!node.translation.empty() && node.translation.size() != 3) {
                Fault(where + "bad translation");
            }
            if (!node.scale.empty() && node.scale.size() != 3) Fault(where + "bad scale");
            if (!node.rotation.empty()) {
                double sum = 0;
                for (const double q : node.rotation)
                    sum += q * q;
                if (node.rotation.size() != 4 || std::abs(std::sqrt(sum) - 1) > 5e-4) {
                    Fault(where + "rotation is no unit quaternion");
                }
            }
            if (!node.matrix.empty() && (node.matrix.size() != 16 || !node.translation.empty() ||
                                         !node.rotation.empty() || !node.scale.empty())) {
                Fault(where + "bad matrix");
            }
        }
        // Every node reaches a root: no cycles.
        for (std::size_t i = 0; i < model_.nodes.size(); ++i) {
            int at = int(i);
            for (std::size_t steps = 0; at != -1; ++steps) {
                if (steps > model_.nodes.size()) {
                    Fault(Where("node", i) + "in a cycle");
                    break;
                }
                at = parent[std::size_t(at)];
            }
        }
        for (const auto& scene : model_.scenes) {
            for (const int node : scene.nodes) {
                if (!Valid(node, model_.nodes) || parent[std::size_t(node)] != -1) {
                    Fault("scene: a node that is no root");
                }
            }
        }
        if (model_.defaultScene != -1 && !Valid(model_.defaultScene, model_.scenes)) {
            Fault("no such scene");
        }
    }

    void CheckLooks() {
        const std::set<std::string> modes = {"OPAQUE", "MASK", "BLEND"};
        for (std::size_t i = 0; i < model_.materials.size(); ++i) {
            const auto& material = model_.materials[i];
            const auto& pbr = material.pbrMetallicRoughness;
            const std::string where = Where("material", i);
            if (pbr.baseColorFactor.size() != 4 || !InUnitRange(pbr.baseColorFactor)) {
                Fault(where + "bad baseColorFactor");
            }
            if (!material.emissiveFactor.empty() &&
                (material.emissiveFactor.size() != 3 || !InUnitRange(material.emissiveFactor))) {
                Fault(where + "bad emissiveFactor");
            }
            if (!InUnitRange({pbr.metallicFactor, pbr.roughnessFactor})) {
                Fault(where + "bad metallic or roughness");
            }
            if (!modes.contains(material.alphaMode)) Fault(where + "bad alphaMode");
            if (pbr.baseColorTexture.index != -1 &&
                !Valid(pbr.baseColorTexture.index, model_.textures)) {
                Fault(where + "no such texture");
            }
        }
        for (std::size_t i = 0; i < model_.textures.size(); ++i) {
            const auto& texture = model_.textures[i];
            if (texture.sampler != -1 && !Valid(texture.sampler, model_.samplers)) {
                Fault(Where("texture", i) + "no such sampler");
            }
            if (!Valid(texture.source, model_.images)) Fault(Where("texture", i) + "no image");
        }
        const std::set<int> filters = {-1, 9728, 9729, 9984, 9985, 9986, 9987};
        const std::set<int> wraps = {33071, 33648, 10497};
        for (std::size_t i = 0; i < model_.samplers.size(); ++i) {
            const auto& sampler = model_.samplers[i];
            if (!filters.contains(sampler.magFilter) || !filters.contains(sampler.minFilter) ||
                !wraps.contains(sampler.wrapS) || !wraps.contains(sampler.wrapT)) {
                Fault(Where("sampler", i) + "bad filter or wrap");
            }
        }
        for (std::size_t i = 0; i < model_.images.size(); ++i) {
            const auto& image = model_.images[i];
            const std::string where = Where("image", i);
            if (image.uri.empty() == (image.bufferView == -1)) {
                Fault(where + "not exactly one of uri and bufferView");
            }
            if (image.bufferView != -1 &&
                (!Valid(image.bufferView, model_.bufferViews) || image.mimeType != "image/png")) {
                Fault(where + "bad bufferView or mimeType");
            }
            if (image.image.empty() || image.width < 1 || image.height < 1) {
                Fault(where + "no picture");
            }
        }
    }

    const tinygltf::Model& model_;
    std::vector<std::string> faults_;
};

std::uint32_t Word(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

}  // namespace

std::vector<double> AccessorValues(const tinygltf::Model& model,
                                   const tinygltf::Accessor& accessor) {
    const auto& view = model.bufferViews[std::size_t(accessor.bufferView)];
    const auto& data = model.buffers[std::size_t(view.buffer)].data;
    const std::size_t size = ComponentSize(accessor.componentType);
    const std::size_t components = Components(accessor.type);
    const std::size_t stride = view.byteStride ? view.byteStride : size * components;
    std::vector<double> values;
    for (std::size_t e = 0; e < accessor.count; ++e) {
        for (std::size_t c = 0; c < components; ++c) {
            const unsigned char* at =
                data.data() + view.byteOffset + accessor.byteOffset + e * stride + c * size;
            switch (accessor.componentType) {
                case TINYGLTF_COMPONENT_TYPE_FLOAT: {
                    float v;
                    std::memcpy(&v, at, 4);
                    values.push_back(v);
                    break;
                }
                case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: {
                    std::uint32_t v;
                    std::memcpy(&v, at, 4);
                    values.push_back(v);
                    break;
                }
                case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: {
                    std::uint16_t v;
                    std::memcpy(&v, at, 2);
                    values.push_back(v);
                    break;
                }
                default:
                    values.push_back(*at);
            }
        }
    }
    return values;
}

GltfRead ReadGlb(std::string_view bytes) {
    GltfRead read;
    tinygltf::TinyGLTF loader;
    read.ok = loader.LoadBinaryFromMemory(&read.model, &read.error, &read.warning,
                                          reinterpret_cast<const unsigned char*>(bytes.data()),
                                          unsigned(bytes.size()));
    return read;
}

GltfRead ReadGltfFile(const std::string& path) {
    GltfRead read;
    tinygltf::TinyGLTF loader;
    read.ok = loader.LoadASCIIFromFile(&read.model, &read.error, &read.warning, path);
    return read;
}

std::vector<std::string> GltfFaults(const tinygltf::Model& model) {
    return Checker(model).Run();
}

std::vector<std::string> GlbContainerFaults(std::string_view bytes) {
    std::vector<std::string> faults;
    if (bytes.size() < 20 || bytes.substr(0, 4) != "glTF") return {"no glTF header"};
    if (Word(bytes, 4) != 2) faults.push_back("version is not 2");
    if (Word(bytes, 8) != bytes.size()) faults.push_back("length differs from the file's");
    std::size_t at = 12;
    for (int chunk = 0; at < bytes.size(); ++chunk) {
        if (bytes.size() - at < 8) return {"a chunk header cut short"};
        const std::uint32_t length = Word(bytes, at);
        const std::uint32_t type = Word(bytes, at + 4);
        if (length % 4 != 0) faults.push_back("a chunk length not a multiple of 4");
        if (length > bytes.size() - at - 8) return {"a chunk beyond the file"};
        const std::string_view data = bytes.substr(at + 8, length);
        if (chunk == 0) {
            if (type != 0x4E4F534A) faults.push_back("the first chunk is not JSON");
            const auto last = data.find_last_not_of(' ');
            if (last == std::string_view::npos || data[last] != '}') {
                faults.push_back("the JSON chunk is not padded with blanks");
            }
        } else if (chunk == 1) {
            if (type != 0x004E4942) faults.push_back("the second chunk is not BIN");
        } else {
            faults.push_back("more than two chunks");
        }
        at += 8 + length;
    }
    return faults;
}

}  // namespace lumtrak::testing

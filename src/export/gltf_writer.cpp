#include "export/gltf_writer.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <sstream>

#include "platform/windows1252.h"

namespace lumtrak::exporter {
namespace {

constexpr int kArrayBuffer = 34962;
constexpr int kElementArrayBuffer = 34963;
constexpr const char* kGenerator = "Lumtrak authoring kit";

// The buffer that every view lies in, its views each starting on a 4-byte
// boundary.
class BufferBuilder {
  public:
    explicit BufferBuilder(tinygltf::Model& model) : model_(model) {}

    int AddView(const void* data, std::size_t size, int target) {
        bytes_.resize((bytes_.size() + 3) & ~std::size_t{3}, 0);
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = bytes_.size();
        view.byteLength = size;
        view.target = target;
        const auto* first = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), first, first + size);
        model_.bufferViews.push_back(view);
        return int(model_.bufferViews.size() - 1);
    }

    std::vector<unsigned char> Take() { return std::move(bytes_); }

  private:
    tinygltf::Model& model_;
    std::vector<unsigned char> bytes_;
};

// The vertices of the faces of one part that share a material.
struct Primitive {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> coordinates;
    std::vector<std::uint32_t> indices;
};

int AddAccessor(tinygltf::Model& model, int view, int componentType, std::size_t count, int type) {
    tinygltf::Accessor accessor;
    accessor.bufferView = view;
    accessor.componentType = componentType;
    accessor.count = count;
    accessor.type = type;
    model.accessors.push_back(accessor);
    return int(model.accessors.size() - 1);
}

int AddFloats(tinygltf::Model& model, BufferBuilder& buffer, const std::vector<float>& values,
              int components, int type) {
    const int view = buffer.AddView(values.data(), values.size() * sizeof(float), kArrayBuffer);
    return AddAccessor(model, view, TINYGLTF_COMPONENT_TYPE_FLOAT,
                       values.size() / std::size_t(components), type);
}

int AddPositions(tinygltf::Model& model, BufferBuilder& buffer, const std::vector<float>& values) {
    const int accessor = AddFloats(model, buffer, values, 3, TINYGLTF_TYPE_VEC3);
    std::vector<double> low(3, std::numeric_limits<double>::infinity());
    std::vector<double> high(3, -std::numeric_limits<double>::infinity());
    for (std::size_t i = 0; i < values.size(); ++i) {
        low[i % 3] = std::min(low[i % 3], double(values[i]));
        high[i % 3] = std::max(high[i % 3], double(values[i]));
    }
    model.accessors[std::size_t(accessor)].minValues = low;
    model.accessors[std::size_t(accessor)].maxValues = high;
    return accessor;
}

// Indices as 16-bit numbers where every one fits below the restart value.
int AddIndices(tinygltf::Model& model, BufferBuilder& buffer,
               const std::vector<std::uint32_t>& indices, std::size_t vertexCount) {
    if (vertexCount <= std::numeric_limits<std::uint16_t>::max()) {
        std::vector<std::uint16_t> narrow(indices.begin(), indices.end());
        const int view = buffer.AddView(narrow.data(), narrow.size() * sizeof(std::uint16_t),
                                        kElementArrayBuffer);
        return AddAccessor(model, view, TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT, narrow.size(),
                           TINYGLTF_TYPE_SCALAR);
    }
    const int view =
        buffer.AddView(indices.data(), indices.size() * sizeof(std::uint32_t), kElementArrayBuffer);
    return AddAccessor(model, view, TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, indices.size(),
                       TINYGLTF_TYPE_SCALAR);
}

void AppendFace(Primitive& primitive, const ExportFace& face) {
    const auto base = std::uint32_t(primitive.positions.size() / 3);
    for (std::size_t i = 0; i < face.vertices.size(); ++i) {
        const rm::Vector& v = face.vertices[i];
        primitive.positions.insert(primitive.positions.end(), {v.x, v.y, v.z});
        primitive.normals.insert(primitive.normals.end(),
                                 {face.normal.x, face.normal.y, face.normal.z});
        if (!face.coordinates.empty()) {
            primitive.coordinates.insert(primitive.coordinates.end(),
                                         {face.coordinates[i].u, face.coordinates[i].v});
        }
    }
    // A fan from the first vertex, as the renderer draws a face.
    for (std::uint32_t i = 1; i + 1 < face.vertices.size(); ++i)
        primitive.indices.insert(primitive.indices.end(), {base, base + i, base + i + 1});
}

int AddMesh(tinygltf::Model& model, BufferBuilder& buffer, const ExportPart& part,
            const std::string& name) {
    std::map<std::size_t, Primitive> byMaterial;
    for (const ExportFace& face : part.faces)
        AppendFace(byMaterial[face.material], face);
    tinygltf::Mesh mesh;
    mesh.name = name;
    for (const auto& [material, data] : byMaterial) {
        tinygltf::Primitive primitive;
        primitive.mode = TINYGLTF_MODE_TRIANGLES;
        primitive.material = int(material);
        primitive.attributes["POSITION"] = AddPositions(model, buffer, data.positions);
        primitive.attributes["NORMAL"] =
            AddFloats(model, buffer, data.normals, 3, TINYGLTF_TYPE_VEC3);
        if (!data.coordinates.empty()) {
            primitive.attributes["TEXCOORD_0"] =
                AddFloats(model, buffer, data.coordinates, 2, TINYGLTF_TYPE_VEC2);
        }
        primitive.indices = AddIndices(model, buffer, data.indices, data.positions.size() / 3);
        mesh.primitives.push_back(std::move(primitive));
    }
    model.meshes.push_back(std::move(mesh));
    return int(model.meshes.size() - 1);
}

// The rotation of a frame's axes as a unit quaternion (x, y, z, w).
std::vector<double> Quaternion(const rm::Transform& t) {
    const double m00 = t.right.x, m01 = t.up.x, m02 = t.front.x;
    const double m10 = t.right.y, m11 = t.up.y, m12 = t.front.y;
    const double m20 = t.right.z, m21 = t.up.z, m22 = t.front.z;
    // From the largest of the four components, which keeps the division sound.
    std::array<double, 4> q;  // x, y, z, w
    const double trace = m00 + m11 + m22;
    if (trace > 0) {
        const double s = std::sqrt(trace + 1.0) * 2;
        q = {(m21 - m12) / s, (m02 - m20) / s, (m10 - m01) / s, s / 4};
    } else if (m00 > m11 && m00 > m22) {
        const double s = std::sqrt(1.0 + m00 - m11 - m22) * 2;
        q = {s / 4, (m01 + m10) / s, (m02 + m20) / s, (m21 - m12) / s};
    } else if (m11 > m22) {
        const double s = std::sqrt(1.0 + m11 - m00 - m22) * 2;
        q = {(m01 + m10) / s, s / 4, (m12 + m21) / s, (m02 - m20) / s};
    } else {
        const double s = std::sqrt(1.0 + m22 - m00 - m11) * 2;
        q = {(m02 + m20) / s, (m12 + m21) / s, s / 4, (m10 - m01) / s};
    }
    const double length = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
    return {q[0] / length, q[1] / length, q[2] / length, q[3] / length};
}

const char* MotionName(preview3d::Motion motion) {
    switch (motion) {
        case preview3d::Motion::Wheel:
            return "wheel";
        case preview3d::Motion::Motion1:
            return "motion1";
        case preview3d::Motion::Motion2:
            return "motion2";
        case preview3d::Motion::Motion3:
            return "motion3";
        default:
            return nullptr;
    }
}

tinygltf::Node MakeNode(const ExportPart& part, bool top) {
    tinygltf::Node node;
    node.name = platform::Windows1252ToUtf8(part.name);
    for (const std::size_t child : part.children)
        node.children.push_back(int(child));
    if (top) {
        // The top part stands at the scene's origin; its node turns the axes.
        node.scale = {-1.0, 1.0, 1.0};
        return node;
    }
    const rm::Vector& at = part.local.origin;
    if (at != rm::Vector{}) node.translation = {at.x, at.y, at.z};
    const auto rotation = Quaternion(part.local);
    if (std::abs(rotation[3]) < 1.0 - 1e-12) node.rotation = rotation;
    if (const char* motion = MotionName(part.motion)) {
        tinygltf::Value::Object extras;
        extras["motion"] = tinygltf::Value(std::string(motion));
        node.extras = tinygltf::Value(std::move(extras));
    }
    return node;
}

double ColourChannel(std::uint8_t byte) {
    return byte / 255.0;
}

// The roughness whose highlight is about as wide as that of a specular power.
double RoughnessOfPower(float power) {
    return std::sqrt(2.0 / (std::max(power, 0.0f) + 2.0));
}

tinygltf::Material MakeMaterial(const ExportMaterial& look, const SceneSnapshot& snapshot) {
    tinygltf::Material material;
    material.name = look.name;
    auto& pbr = material.pbrMetallicRoughness;
    pbr.baseColorFactor = {
        ColourChannel(rm::RedOf(look.colour)), ColourChannel(rm::GreenOf(look.colour)),
        ColourChannel(rm::BlueOf(look.colour)), ColourChannel(rm::AlphaOf(look.colour))};
    pbr.metallicFactor = 0.0;
    pbr.roughnessFactor = 1.0;
    if (look.material != nullptr) {
        const rm::Rgb emissive = look.material->GetEmissive();
        if (emissive != rm::Rgb{}) {
            material.emissiveFactor = {rm::Clamp01(emissive.red), rm::Clamp01(emissive.green),
                                       rm::Clamp01(emissive.blue)};
        }
        if (look.material->GetSpecular() != rm::Rgb{}) {
            pbr.roughnessFactor = RoughnessOfPower(look.material->GetPower());
        }
        tinygltf::Value::Object extras;
        extras["materialSlot"] =
            look.slot ? tinygltf::Value(*look.slot) : tinygltf::Value(std::string("default"));
        material.extras = tinygltf::Value(std::move(extras));
    }
    bool decal = false;
    if (look.texture) {
        pbr.baseColorTexture.index = int(*look.texture);
        decal = snapshot.textures[*look.texture].decal;
    }
    if (rm::AlphaOf(look.colour) != 0xFF) {
        material.alphaMode = "BLEND";
    } else if (decal) {
        material.alphaMode = "MASK";
    }
    return material;
}

void AddTextures(tinygltf::Model& model, BufferBuilder* buffer, const SceneSnapshot& snapshot,
                 const std::vector<std::string>& pngs, const SideFiles& sides) {
    for (std::size_t i = 0; i < snapshot.textures.size(); ++i) {
        tinygltf::Sampler sampler;
        sampler.magFilter = TINYGLTF_TEXTURE_FILTER_NEAREST;
        sampler.minFilter = TINYGLTF_TEXTURE_FILTER_NEAREST;
        sampler.wrapS = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
        sampler.wrapT = TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE;
        model.samplers.push_back(sampler);

        tinygltf::Image image;
        image.name = platform::Windows1252ToUtf8(snapshot.textures[i].name);
        if (buffer != nullptr) {
            image.mimeType = "image/png";
            image.bufferView = buffer->AddView(pngs[i].data(), pngs[i].size(), 0);
        } else {
            image.uri = UriOfFileName(sides.Name(SideFiles::TextureSuffix(i)));
        }
        model.images.push_back(std::move(image));

        tinygltf::Texture texture;
        texture.sampler = int(i);
        texture.source = int(i);
        model.textures.push_back(texture);
    }
}

// The JSON with the buffer's embedded data replaced by the name of its file.
// tinygltf embeds every buffer of a JSON file it writes to a stream; the one
// string that holds a data URI is that of the buffer.
std::string WithBufferFile(const std::string& json, const std::string& uri) {
    constexpr std::string_view kDataUri = "\"data:application/octet-stream;base64,";
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (inString) {
            if (json[i] == '\\') {
                ++i;
            } else if (json[i] == '"') {
                inString = false;
            }
            continue;
        }
        if (json[i] != '"') continue;
        if (json.compare(i, kDataUri.size(), kDataUri) != 0) {
            inString = true;
            continue;
        }
        const std::size_t end = json.find('"', i + 1);  // base64 has no quotes or escapes
        return json.substr(0, i) + '"' + uri + '"' + json.substr(end + 1);
    }
    return json;
}

}  // namespace

std::string UriOfFileName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || std::strchr("-._~", c) != nullptr) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

std::vector<OutputFile> GltfFiles(const SceneSnapshot& snapshot,
                                  const std::vector<std::string>& texturePngs, ExportFormat format,
                                  const std::string& out) {
    const bool binary = format == ExportFormat::Glb;
    const SideFiles sides(out);
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = kGenerator;
    BufferBuilder buffer(model);

    for (std::size_t i = 0; i < snapshot.parts.size(); ++i) {
        const ExportPart& part = snapshot.parts[i];
        tinygltf::Node node = MakeNode(part, i == 0);
        if (!part.faces.empty()) node.mesh = AddMesh(model, buffer, part, node.name);
        model.nodes.push_back(std::move(node));
    }
    for (const ExportMaterial& look : snapshot.materials)
        model.materials.push_back(MakeMaterial(look, snapshot));
    AddTextures(model, binary ? &buffer : nullptr, snapshot, texturePngs, sides);

    tinygltf::Scene scene;
    if (!snapshot.parts.empty()) scene.nodes = {0};
    model.scenes.push_back(scene);
    model.defaultScene = 0;

    std::vector<unsigned char> bytes = buffer.Take();
    if (!bytes.empty()) {
        tinygltf::Buffer data;
        data.data = std::move(bytes);
        model.buffers.push_back(std::move(data));
    }

    tinygltf::TinyGLTF writer;
    // Images are files of our own or views of the buffer: nothing to encode.
    writer.SetImageWriter(nullptr, nullptr);
    std::ostringstream stream;
    writer.WriteGltfSceneToStream(&model, stream, !binary, binary);

    std::vector<OutputFile> files;
    if (binary) {
        files.push_back({out, std::move(stream).str()});
        return files;
    }
    files.push_back({out, WithBufferFile(stream.str(), UriOfFileName(sides.Name(".bin")))});
    if (!model.buffers.empty()) {
        const auto& data = model.buffers.front().data;
        files.push_back({sides.Path(".bin"), std::string(data.begin(), data.end())});
    }
    return files;
}

}  // namespace lumtrak::exporter

#include "cli/scene_json.h"

#include <algorithm>

namespace lumtrak::cli {
namespace {

void WriteTriple(JsonWriter& json, double x, double y, double z) {
    json.BeginArray().Double(x).Double(y).Double(z).EndArray();
}
void WriteVector(JsonWriter& json, rm::Vector v) {
    WriteTriple(json, v.x, v.y, v.z);
}
void WriteTriple(JsonWriter& json, const std::array<double, 3>& values) {
    WriteTriple(json, values[0], values[1], values[2]);
}

void WriteFrame(JsonWriter& json, const preview3d::ScenePart& part,
                const preview3d::PreviewEngine& engine) {
    json.Key("frame");
    if (!part.frame) {
        json.Null();
        return;
    }
    const rm::Frame& scene = engine.Scene();
    const rm::Orientation orientation = part.frame->GetOrientation(&scene);
    json.BeginObject();
    json.Key("position");
    WriteVector(json, part.frame->GetPosition(&scene));
    json.Key("direction");
    WriteVector(json, orientation.direction);
    json.Key("up");
    WriteVector(json, orientation.up);
    json.EndObject();
}

void WriteMaterial(JsonWriter& json, const rm::Face& face, const preview3d::PreviewEngine& engine) {
    json.Key("material");
    const rm::Material* material = face.GetMaterial().get();
    if (material != nullptr && material == engine.Materials().defaultMaterial.get()) {
        json.String("default");
    } else if (const auto slot = engine.Materials().SlotOf(material)) {
        json.Int(*slot);
    } else {
        json.Null();
    }
}

void WriteTexture(JsonWriter& json, const rm::Face& face, const preview3d::PreviewEngine& engine,
                  const model::TextureRegistry& textures) {
    json.Key("texture");
    const rm::Texture* texture = face.GetTexture().get();
    if (texture == nullptr) {
        json.Null();
        return;
    }
    const auto origin = engine.OriginOf(texture);
    const std::int16_t number = origin ? origin->number : 0;
    json.BeginObject();
    json.Key("name").String(textures.TextureName(number));
    json.Key("number").Int(number);
    json.Key("decalTransparency").Bool(texture->GetDecalTransparency());
    json.Key("label");
    if (origin && origin->label) {
        json.String(*origin->label);
    } else {
        json.Null();
    }
    json.EndObject();
}

void WriteFace(JsonWriter& json, const rm::Face& face, const preview3d::PreviewEngine& engine,
               const model::TextureRegistry& textures) {
    json.BeginObject();
    json.Key("vertices").BeginArray();
    for (const rm::Vector& vertex : face.GetVertices())
        WriteVector(json, vertex);
    json.EndArray();
    json.Key("colour").Int(face.GetColor());
    WriteMaterial(json, face, engine);
    WriteTexture(json, face, engine, textures);
    // Faces that were never given texture coordinates hold only zeros.
    const auto coordinates = face.GetAllTextureCoordinates();
    json.Key("textureCoordinates");
    if (std::all_of(coordinates.begin(), coordinates.end(),
                    [](const rm::TextureCoordinates& c) { return c.u == 0 && c.v == 0; })) {
        json.Null();
    } else {
        json.BeginArray();
        for (const auto& c : coordinates)
            json.BeginArray().Double(c.u).Double(c.v).EndArray();
        json.EndArray();
    }
    json.EndObject();
}

}  // namespace

void WriteScenePart(JsonWriter& json, const preview3d::ScenePart& part,
                    const preview3d::PreviewEngine& engine,
                    const model::TextureRegistry& textures) {
    json.BeginObject();
    json.Key("name").String(part.name);
    json.Key("offset");
    WriteTriple(json, part.offset.x, part.offset.y, part.offset.z);
    json.Key("mirrored").Bool(part.mirrored);
    json.Key("motionParameter").Int(part.motionParameter);
    json.Key("motionKind").Int(part.motionKind);
    json.Key("extras");
    WriteTriple(json, part.extras);
    json.Key("cab1");
    WriteTriple(json, part.cab1);
    json.Key("cab2");
    WriteTriple(json, part.cab2);
    json.Key("length").Int(part.length);
    json.Key("labelText").String(part.labelText);
    WriteFrame(json, part, engine);
    json.Key("faces").BeginArray();
    if (part.meshBuilder) {
        for (const auto& face : part.meshBuilder->GetFaces())
            WriteFace(json, *face, engine, textures);
    }
    json.EndArray();
    // In list order: the most recently included first.
    json.Key("children").BeginArray();
    for (auto child = part.children.rbegin(); child != part.children.rend(); ++child)
        WriteScenePart(json, **child, engine, textures);
    json.EndArray();
    json.EndObject();
}

}  // namespace lumtrak::cli

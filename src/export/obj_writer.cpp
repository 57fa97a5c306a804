#include "export/obj_writer.h"

#include <charconv>
#include <set>

#include "export/export_format.h"
#include "platform/windows1252.h"

namespace lumtrak::exporter {
namespace {

// The shortest text that reads back as the same single-precision value, as
// the scene holds its values.
void AppendNumber(std::string& text, float value) {
    char digits[32];
    // No "-0" for a mirrored 0.
    const auto end = std::to_chars(digits, digits + sizeof digits, value == 0 ? 0.0f : value).ptr;
    text += ' ';
    text.append(digits, end);
}

void AppendLine(std::string& text, std::string_view keyword, std::initializer_list<float> values) {
    text += keyword;
    for (const float value : values)
        AppendNumber(text, value);
    text += '\n';
}

// A name that reads as one word, unlike every name given before.
class GroupNames {
  public:
    std::string Unique(std::string_view bytes) {
        std::string name = platform::Windows1252ToUtf8(bytes);
        for (char& c : name) {
            if (static_cast<unsigned char>(c) <= ' ') c = '_';
        }
        if (name.empty()) name = "part";
        std::string unique = name;
        for (int n = 2; !given_.insert(unique).second; ++n)
            unique = name + "_" + std::to_string(n);
        return unique;
    }

  private:
    std::set<std::string> given_;
};

std::string ObjText(const SceneSnapshot& snapshot, const SideFiles& sides) {
    std::string text =
        "# Exported by the Lumtrak authoring kit\nmtllib " + sides.Name(".mtl") + "\n";
    GroupNames names;
    std::size_t vertexCount = 0;
    std::size_t coordinateCount = 0;
    for (const ExportPart& part : snapshot.parts) {
        text += "g " + names.Unique(part.name) + "\n";
        for (const ExportFace& face : part.faces) {
            for (const rm::Vector& vertex : face.vertices) {
                const rm::Vector p = part.inScene.Apply(vertex);
                AppendLine(text, "v", {-p.x, p.y, p.z});
            }
            // The format counts texture rows from the bottom.
            for (const rm::TextureCoordinates& c : face.coordinates)
                AppendLine(text, "vt", {c.u, 1.0f - c.v});
        }
        std::optional<std::size_t> material;
        for (const ExportFace& face : part.faces) {
            if (material != face.material) {
                material = face.material;
                text += "usemtl " + snapshot.materials[face.material].name + "\n";
            }
            text += 'f';
            const std::size_t count = face.vertices.size();
            for (std::size_t i = count; i-- > 0;) {
                text += ' ' + std::to_string(vertexCount + i + 1);
                if (!face.coordinates.empty())
                    text += '/' + std::to_string(coordinateCount + i + 1);
            }
            text += '\n';
            vertexCount += count;
            coordinateCount += face.coordinates.size();
        }
    }
    return text;
}

std::string MtlText(const SceneSnapshot& snapshot, const SideFiles& sides) {
    std::string text = "# Exported by the Lumtrak authoring kit\n";
    for (const ExportMaterial& look : snapshot.materials) {
        const auto channel = [](std::uint8_t byte) { return float(byte) / 255.0f; };
        text += "\nnewmtl " + look.name + "\n";
        AppendLine(text, "Kd",
                   {channel(rm::RedOf(look.colour)), channel(rm::GreenOf(look.colour)),
                    channel(rm::BlueOf(look.colour))});
        if (rm::AlphaOf(look.colour) != 0xFF)
            AppendLine(text, "d", {channel(rm::AlphaOf(look.colour))});
        bool specular = false;
        if (look.material != nullptr) {
            const rm::Rgb emissive = look.material->GetEmissive();
            if (emissive != rm::Rgb{}) {
                AppendLine(text, "Ke",
                           {rm::Clamp01(emissive.red), rm::Clamp01(emissive.green),
                            rm::Clamp01(emissive.blue)});
            }
            const rm::Rgb highlight = look.material->GetSpecular();
            if (highlight != rm::Rgb{}) {
                specular = true;
                AppendLine(text, "Ks",
                           {rm::Clamp01(highlight.red), rm::Clamp01(highlight.green),
                            rm::Clamp01(highlight.blue)});
                AppendLine(text, "Ns", {look.material->GetPower()});
            }
        }
        text += specular ? "illum 2\n" : "illum 1\n";
        if (look.texture) {
            const std::string file = sides.Name(SideFiles::TextureSuffix(*look.texture));
            text += "map_Kd " + file + "\n";
            if (snapshot.textures[*look.texture].decal) text += "map_d " + file + "\n";
        }
    }
    return text;
}

}  // namespace

std::vector<OutputFile> ObjFiles(const SceneSnapshot& snapshot, const std::string& out) {
    const SideFiles sides(out);
    std::vector<OutputFile> files;
    files.push_back({out, ObjText(snapshot, sides)});
    files.push_back({sides.Path(".mtl"), MtlText(snapshot, sides)});
    return files;
}

}  // namespace lumtrak::exporter

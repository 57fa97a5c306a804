#include "export/scene_export.h"

#include "export/gltf_writer.h"
#include "export/obj_writer.h"
#include "export/scene_snapshot.h"
#include "export/texture_pictures.h"
#include "model/definition_loader.h"
#include "model/stock_model.h"
#include "preview3d/preview_session.h"

namespace lumtrak::exporter {
namespace {

// The light harshness of a new editor, which the scene does not depend on.
constexpr int kDefaultLightHarshness = 50;

}  // namespace

ExportResult ExportScene(const preview3d::ScenePart& top, const preview3d::PreviewEngine& engine,
                         const model::TextureRegistry& textures, const ExportRequest& request) {
    const SceneSnapshot snapshot = TakeSnapshot(top, engine, textures, request.name);
    ExportResult result;
    result.counts = {snapshot.parts.size(), snapshot.FaceCount(), snapshot.textures.size()};
    std::vector<std::string> pngs;
    for (const ExportTexture& texture : snapshot.textures) {
        pngs.push_back(TexturePng(texture));
        if (pngs.back().empty()) {
            result.failure = "cannot encode the texture '" + texture.name + "' as PNG";
            return result;
        }
    }
    if (request.format == ExportFormat::Obj) {
        result.files = ObjFiles(snapshot, request.out);
    } else {
        result.files = GltfFiles(snapshot, pngs, request.format, request.out);
    }
    if (request.format != ExportFormat::Glb) {
        const SideFiles sides(request.out);
        for (std::size_t i = 0; i < pngs.size(); ++i)
            result.files.push_back({sides.Path(SideFiles::TextureSuffix(i)), std::move(pngs[i])});
    }
    return result;
}

ExportResult ExportDefinition(std::string_view text, model::Cursor caret,
                              preview3d::SceneEnvironment& environment,
                              const std::string& documentFolder, std::int32_t tick,
                              const ExportRequest& request) {
    preview3d::PreviewSession session(environment, kDefaultLightHarshness, documentFolder);
    session.CreateEngine();
    session.LoadScene(text, caret);
    session.PlaceForTick(tick);
    return ExportScene(*session.TopPart(), *session.Engine(), environment.textures, request);
}

std::string DefinitionName(std::string_view text, model::Cursor caret,
                           model::IncludeCache& includes) {
    platform::RecordingMessageSink unseen;
    model::TextureRegistry textures;
    model::LoadEnvironment environment{unseen, textures, includes};
    model::StockModel stock;
    model::LoadDefinitionAt(stock, model::DefinitionText(text), {caret, caret}, false, environment);
    return stock.name;
}

}  // namespace lumtrak::exporter

#include "diagnostics/check.h"

#include <filesystem>

#include "diagnostics/index_listing.h"
#include "diagnostics/problem_collector.h"
#include "model/characters.h"
#include "model/definition_loader.h"
#include "model/texture_registry.h"
#include "platform/program_folder.h"
#include "platform/tick_source.h"
#include "preview2d/drawing.h"
#include "preview3d/registry_loader.h"
#include "rm/engine.h"

namespace lumtrak::diagnostics {
namespace {

// The drawing's pixels are of no interest, only what it leaves out.
class NullCanvas final : public preview2d::Canvas {
  public:
    void FillBackground(preview2d::Colour) override {}
    void BeginPath() override {}
    void MoveTo(preview2d::CanvasPoint) override {}
    void LineTo(preview2d::CanvasPoint) override {}
    void CloseFigure() override {}
    void EndPath() override {}
    void StrokePath(preview2d::Colour) override {}
    void StrokeAndFillPath(preview2d::Colour) override {}
};

// The 2D preview window's drawing frame when it opens.
constexpr std::int32_t kFrameWidth = 246;
constexpr std::int32_t kFrameHeight = 162;

std::string FolderOf(const std::string& path) {
    if (path.empty()) return {};
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).parent_path().string();
}

}  // namespace

// The 3D engine through which textures are read, as the 3D preview reads them.
struct Checker::Engine {
    rm::Engine engine;
    preview3d::RegistryLoader loader{engine};
};

std::vector<model::Cursor> DefinitionStarts(std::string_view text) {
    std::vector<model::Cursor> starts{0};
    const model::DefinitionText definitions(text);
    for (std::size_t p = text.find('[', 1); p != std::string_view::npos;
         p = text.find('[', p + 1)) {
        if (model::StartsWithIgnoringCase(definitions, p, "[end]")) starts.push_back(p + 5);
    }
    return starts;
}

Checker::Checker(model::IncludeCache& includes, platform::MessageSink& messages,
                 model::LoadLimits limits)
    : includes_(includes),
      messages_(messages),
      limits_(limits),
      engine_(std::make_unique<Engine>()) {}

Checker::~Checker() = default;

CheckResult Checker::Check(const CheckedText& checked, std::optional<model::Cursor> only) {
    const model::DefinitionText text(checked.bytes);
    const std::string documentFolder = FolderOf(checked.path);

    model::TextureRegistry textures;
    textures.SetLoader(&engine_->loader);
    textures.SetDocumentFolder(documentFolder);
    model::LoadEnvironment environment(messages_, textures, includes_);
    environment.limits = limits_;
    environment.textureFolder = documentFolder;
    environment.texturesBesideParts = true;

    const std::string programFolder = platform::ProgramFolder();
    ProblemCollector collector(checked.bytes, checked.file, [&] {
        return !checked.path.empty() && IndexListsFile(programFolder, checked.path);
    });
    environment.problems = &collector;

    platform::FixedTickSource ticks;
    preview2d::DrawingState drawing(ticks);
    drawing.drawingRect = preview2d::DrawingRectForFrame(kFrameWidth, kFrameHeight);
    NullCanvas canvas;

    model::SourceText source = model::MemorySource(text);
    const std::vector<model::Cursor> starts =
        only ? std::vector<model::Cursor>{model::FindDefinitionStart(text, *only)}
             : DefinitionStarts(checked.bytes);
    for (const model::Cursor start : starts) {
        model::StockModel stock;
        model::Cursor cursor = start;
        model::LoadDefinition(stock, source, cursor, model::SideMask::AllVisible(), std::nullopt, 0,
                              0, 0, false, environment);
        preview2d::DrawModel(drawing, stock, canvas, preview2d::PreviewOptions{}, textures,
                             &collector);
        collector.FinishDefinition(start, cursor);
    }

    CheckResult result{collector.TakeProblems(), std::move(environment.notes)};
    SortProblems(result.problems);
    return result;
}

}  // namespace lumtrak::diagnostics

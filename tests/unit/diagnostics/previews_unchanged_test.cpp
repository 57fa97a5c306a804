// The loader and the 2D drawing give exactly the same results whether or not a
// problem sink listens, for every sample and every fuzz corpus file.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "diagnostics/problem_collector.h"
#include "model/definition_loader.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "platform/tick_source.h"
#include "preview2d/drawing.h"
#include "preview2d/recording_canvas.h"
#include "stockindex/stock_index.h"
#include "support/temp_folder.h"

namespace lumtrak::diagnostics {
namespace {

// Everything of a model that a preview or the command line shows.
void Describe(const model::Panel* panel, std::string& out) {
    for (; panel != nullptr; panel = panel->next.get()) {
        out += "(" + std::to_string(int(panel->kind));
        for (const auto& vertex : panel->vertices) {
            out += " " + std::to_string(vertex.x) + "," + std::to_string(vertex.y) + "," +
                   std::to_string(vertex.z);
        }
        out += " c" + std::to_string(panel->colour);
        for (const auto entry : panel->sides.entries)
            out += " s" + std::to_string(entry);
        out += " " + std::to_string(panel->period) + "," + std::to_string(panel->phase1) + "," +
               std::to_string(panel->phase2) + " m" + std::to_string(panel->material) + " t" +
               std::to_string(panel->texture) + "," + std::to_string(panel->textureColour) + " f" +
               std::to_string(panel->modifiers) + " [";
        Describe(panel->subPanels.get(), out);
        out += "])";
    }
}

std::string Describe(const model::StockModel& stock) {
    std::string out = stock.name + "|" + stock.description + "|" + stock.sound + "|" +
                      stock.numberText + "|" + stock.unitText + "|";
    for (const std::int32_t value :
         {stock.linear, stock.number, std::int32_t(stock.maxSpeed), stock.weight, stock.power,
          stock.tractiveEffort, stock.brakeRate, stock.component, stock.length, stock.wheelbase,
          stock.groupOpen, std::int32_t(stock.cab1[0]), std::int32_t(stock.cab1[1]),
          std::int32_t(stock.cab1[2]), std::int32_t(stock.cab2[0]), std::int32_t(stock.cab2[1]),
          std::int32_t(stock.cab2[2])}) {
        out += std::to_string(value) + ",";
    }
    Describe(stock.mainList.get(), out);
    out += "|";
    Describe(stock.seeThroughList.get(), out);
    out += "|";
    Describe(stock.groupHead.get(), out);
    return out;
}

struct Outcome {
    std::string model;
    std::vector<preview2d::PaintRecord> front, left;
    std::vector<platform::Message> messages;
    std::vector<std::string> notes;
    bool operator==(const Outcome&) const = default;
};

std::vector<preview2d::PaintRecord> Draw(model::StockModel& stock,
                                         const model::TextureRegistry& textures,
                                         preview2d::ViewDirection direction,
                                         ProblemCollector* collector) {
    platform::FixedTickSource ticks;
    preview2d::DrawingState state(ticks);
    state.drawingRect = preview2d::DrawingRectForFrame(246, 162);
    preview2d::RecordingCanvas canvas;
    preview2d::PreviewOptions options;
    options.direction = direction;
    options.showAxis = true;
    preview2d::DrawModel(state, stock, canvas, options, textures, collector);
    return canvas.Records();
}

// The definition under caret loaded and drawn from the front and the left,
// with or without a sink.
Outcome LoadAndDraw(std::string_view text, model::Cursor caret, bool withSink) {
    platform::RecordingMessageSink messages;
    model::TextureRegistry textures;
    model::IncludeCache includes{stockindex::ReadPartIndex};
    model::LoadEnvironment environment(messages, textures, includes);
    ProblemCollector collector(text, "text", [] { return true; });
    if (withSink) environment.problems = &collector;

    model::StockModel stock;
    model::LoadDefinitionAt(stock, model::DefinitionText(text), {caret, caret}, false, environment);
    ProblemCollector* drawingSink = withSink ? &collector : nullptr;
    return {Describe(stock), Draw(stock, textures, preview2d::ViewDirection::Front, drawingSink),
            Draw(stock, textures, preview2d::ViewDirection::Left, drawingSink),
            std::move(messages.messages), environment.notes};
}

// Each distinct text once: the corpora of several targets share files.
std::map<std::string, std::filesystem::path> TextsToCompare() {
    std::map<std::string, std::filesystem::path> texts;
    for (const auto& root : {std::filesystem::path(LUMTRAK_SAMPLES_DIR) / "Stock",
                             std::filesystem::path(LUMTRAK_FUZZ_CORPUS_DIR)}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (entry.is_regular_file())
                texts.emplace(testing::ReadFileBytes(entry.path()), entry.path());
        }
    }
    return texts;
}

TEST(PreviewsUnchangedTest, LoadsAndDrawingsAreTheSameWithAndWithoutAProblemSink) {
    // The samples' parts come through their own index.
    platform::SetProgramFolderOverride(LUMTRAK_SAMPLES_DIR);
    const std::map<std::string, std::filesystem::path> texts = TextsToCompare();
    ASSERT_GT(texts.size(), 50u);
    for (const auto& [text, file] : texts) {
        for (const model::Cursor caret : {model::Cursor{0}, text.size() / 2, text.size()}) {
            EXPECT_EQ(LoadAndDraw(text, caret, true), LoadAndDraw(text, caret, false))
                << file << " at " << caret;
        }
    }
    platform::SetProgramFolderOverride("");
}

}  // namespace
}  // namespace lumtrak::diagnostics

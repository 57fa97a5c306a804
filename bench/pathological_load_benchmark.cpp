// How long one load of a pathological text takes: texts of about 1 MB that once
// made a load quadratic or worse. Each should load in well under 0.1 s.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "model/definition_loader.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "stockindex/stock_index.h"

namespace {

using namespace lumtrak;

// Each text against the scan or lookup that it stressed.
struct PathologicalText {
    const char* name;
    std::string (*make)();
};

constexpr std::size_t kMegabyte = 1 << 20;

std::string Repeated(std::string_view piece, std::size_t bytes = kMegabyte) {
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes)
        text += piece;
    return text;
}

const PathologicalText kPathologicalTexts[] = {
    // The cab guard looked back over the line at every "cab".
    {"cab_on_one_line", [] { return "x\n" + Repeated("cab"); }},
    // The alias search collected the rest of the token at every '.'.
    {"alias_dots_in_a_fill_tail",
     [] { return "colour a 1/2/3\nfill 0 0 0 0 0 0 0 0 0 0 0 0 " + Repeated(".a"); }},
    // The colour look-ahead read the rest of the token at every letter.
    {"letters_in_a_fill_tail", [] { return "fill 0 0 0 0 0 0 0 0 0 0 0 0 " + Repeated("a"); }},
    // The definition start was searched back from every include.
    {"includes_of_itself", [] { return "name a\n" + Repeated("include 0 0 0 a\n"); }},
    {"includes_of_a_later_part",
     [] {
         return "name a\n" + Repeated("include 0 0 0 p\n") +
                "[end]\nname p\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
     }},
    // Every reference found a long alias and stepped over its name.
    {"references_to_a_long_alias",
     [] {
         return "colour " + Repeated("x", kMegabyte / 2) + " 1/2/3\nfill 0 0 0 0 0 0 0 0 0 0 0 0" +
                Repeated(" .x", kMegabyte / 2);
     }},
    // Many aliases, and references that match none of them.
    {"references_past_many_aliases",
     [] {
         return Repeated("colour ab 1/2/3\n", kMegabyte / 2) + "fill 0 0 0 0 0 0 0 0 0 0 0 0" +
                Repeated(" .abz", kMegabyte / 2);
     }},
    // Each of 24 parts including the next one twice: ended by the budget.
    {"include_fan_out",
     [] {
         std::string text = "name top\ninclude 0 0 0 p0\n[end]\n";
         for (int i = 0; i < 23; ++i) {
             const std::string next = "include 0 0 0 p" + std::to_string(i + 1) + "\n";
             text += "name p" + std::to_string(i) + "\n" + next + next + "[end]\n";
         }
         return text + "name p23\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
     }},
    // Includes of names that only the index could hold.
    {"includes_of_unknown_names", [] { return Repeated("include 0 0 0 nowhere\n"); }},
    {"includes_through_the_index", [] { return Repeated("include 0 0 0 indexed\n"); }},
    // Blank lines, and values, separators and comments without end.
    {"blank_lines", [] { return "rect" + Repeated("\n"); }},
    {"numbers", [] { return "rect " + Repeated("1"); }},
    {"separators", [] { return "fill " + Repeated("/"); }},
    {"side_tags", [] { return "fill 0 0 0 0 0 0 0 0 0 0 0 0 " + Repeated("["); }},
    {"materials", [] { return "fill 0 0 0 0 0 0 0 0 0 0 0 0 " + Repeated("*"); }},
    {"textures", [] { return "fill 0 0 0 0 0 0 0 0 0 0 0 0 " + Repeated("\""); }},
    {"statement_words", [] { return Repeated("fill rect line name te cab\n"); }},
};

void BM_LoadPathological(benchmark::State& state) {
    const PathologicalText& kind = kPathologicalTexts[state.range(0)];
    state.SetLabel(kind.name);
    const std::string text = kind.make();
    platform::NullMessageSink messages;
    auto& textures = model::TextureRegistry::Process();
    // A program folder whose index holds one part.
    const auto folder = std::filesystem::temp_directory_path() / "lumtrak-load-benchmark-index";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Stock Index", std::ios::binary) << "indexed\tpart.stk\r\n";
    std::ofstream(folder / "part.stk", std::ios::binary)
        << "name indexed\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    const std::string previousFolder = platform::ProgramFolder();
    platform::SetProgramFolderOverride(folder.string());
    model::IncludeCache includes{stockindex::ReadPartIndex};
    for (auto _ : state) {
        model::LoadEnvironment environment(messages, textures, includes);
        model::StockModel stock;
        model::LoadDefinitionAt(stock, model::DefinitionText(text), {0, 0}, false, environment);
        benchmark::DoNotOptimize(stock.mainList.get());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
    platform::SetProgramFolderOverride(previousFolder);
}
BENCHMARK(BM_LoadPathological)
    ->DenseRange(0, std::size(kPathologicalTexts) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

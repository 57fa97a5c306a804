// How fast a scene of 20,000 faces (colours, glass, a texture on every
// fiftieth face, number labels and turning parts) is exported for other 3D
// tools: to the bytes of a ".glb", to a ".glb" file on disk through the file
// replacement, and to an OBJ. Run: build/ci/bench/lumtrak_export_benchmark
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "export/scene_export.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "preview3d/font_text_raster.h"
#include "preview3d/preview_session.h"
#include "rm/bmp_codec.h"

namespace {

using namespace lumtrak;

constexpr int kTopFaces = 18'000;
constexpr int kWheels = 250;
constexpr int kFacesPerWheel = 8;

std::string Fill(int i, std::string_view tail) {
    const std::string x = std::to_string(i % 90 - 45);
    const std::string y = std::to_string(i % 600);
    const std::string z = std::to_string(i / 600 % 120);
    return "fill " + x + " " + y + " " + z + " " + x + " " + y + " " + z + "0 " + x + " 30 " + z +
           "0 " + x + " 30 " + z + " " + std::string(tail) + " normal\n";
}

std::string Definition() {
    std::string text = "name Workload\nnumber 40122 D%d\nlength 600\n";
    for (int i = 0; i < kTopFaces; ++i) {
        if (i % 500 == 0) {
            text += Fill(i, "\"plate#.bmp\" 0 0 0");
        } else if (i % 50 == 0) {
            text += Fill(i, "\"panel.bmp\" 0 0 0");
        } else if (i % 7 == 0) {
            text += Fill(i, "90/120/160 *Glass");
        } else {
            text += Fill(i, std::to_string(i % 256) + "/" + std::to_string(i / 7 % 256) + "/90");
        }
    }
    for (int w = 0; w < kWheels; ++w)
        text += "wheel 0 " + std::to_string(w * 2) + " 18 -1 " + std::to_string(w) + " axle\n";
    text += "[end]\nname axle\n";
    for (int i = 0; i < kFacesPerWheel; ++i)
        text += Fill(i, "30/30/30");
    return text + "[end]\n";
}

std::string Bitmap(int width, int height) {
    rm::Image image = rm::MakePalettisedImage(width, height);
    image.palette.assign(256, 0x808080);
    for (std::size_t i = 0; i < image.indices.size(); ++i)
        image.indices[i] = std::uint8_t(i % 7);
    const auto bytes = rm::WriteBmp(image);
    return {bytes.begin(), bytes.end()};
}

// The workload's scene, built once as the preview builds it.
struct ExportWorkload {
    ExportWorkload() {
        folder = std::filesystem::temp_directory_path() / "lumtrak-export-benchmark";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Textures");
        for (const auto& [name, bytes] :
             {std::pair{"panel.bmp", Bitmap(64, 64)}, std::pair{"plate#.bmp", Bitmap(128, 32)}}) {
            std::FILE* file = std::fopen((folder / "Textures" / name).c_str(), "wb");
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        platform::SetProgramFolderOverride(folder.string());
        text = Definition();
        session.CreateEngine();
        session.LoadScene(text, 0);
        session.PlaceForTick(7);
    }
    ~ExportWorkload() { std::filesystem::remove_all(folder); }

    exporter::ExportResult Export(exporter::ExportFormat format, const std::string& out) {
        return exporter::ExportScene(*session.TopPart(), *session.Engine(), textures,
                                     {format, out, "Workload"});
    }

    std::filesystem::path folder;
    std::string text;
    model::TextureRegistry textures;
    platform::RecordingMessageSink messages;
    preview3d::FontTextRaster raster;
    preview3d::SceneEnvironment environment{messages, textures, raster};
    preview3d::PreviewSession session{environment, 50, ""};
};

ExportWorkload& TheWorkload() {
    static ExportWorkload workload;
    return workload;
}

void Report(benchmark::State& state, const exporter::ExportResult& result) {
    state.SetLabel(std::to_string(result.counts.faces) + " faces, " +
                   std::to_string(result.counts.textures) + " textures, " +
                   std::to_string(result.files.front().bytes.size() / 1024) + " KiB");
}

void BM_ExportGlbBytes(benchmark::State& state) {
    auto& workload = TheWorkload();
    exporter::ExportResult result;
    for (auto _ : state)
        result = workload.Export(exporter::ExportFormat::Glb, "workload.glb");
    Report(state, result);
}
BENCHMARK(BM_ExportGlbBytes)->Unit(benchmark::kMillisecond);

// As the command does it: the bytes, then the file written, flushed to disk
// and renamed into place.
void BM_ExportGlbFile(benchmark::State& state) {
    auto& workload = TheWorkload();
    const std::string out = (workload.folder / "workload.glb").string();
    exporter::ExportResult result;
    for (auto _ : state) {
        result = workload.Export(exporter::ExportFormat::Glb, out);
        if (exporter::WriteOutputFiles(result.files).error) state.SkipWithError("not written");
    }
    Report(state, result);
}
BENCHMARK(BM_ExportGlbFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportObjBytes(benchmark::State& state) {
    auto& workload = TheWorkload();
    exporter::ExportResult result;
    for (auto _ : state)
        result = workload.Export(exporter::ExportFormat::Obj, "workload.obj");
    Report(state, result);
}
BENCHMARK(BM_ExportObjBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

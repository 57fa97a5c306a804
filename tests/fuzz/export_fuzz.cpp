// The exporter on every scene that the scene builder's inputs give (cut as
// SplitLoaderFuzzInput says, in the scene builder's program folder), placed
// for a tick taken from the input: the ".glb" that it writes must read back
// with tinygltf without error and keep the rules of glTF 2.0, so must the
// ".gltf" with the files beside it, and the ".obj" must name as many faces as
// the export counts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "export/scene_export.h"
#include "scene_fuzz_folder.h"
#include "support/gltf_check.h"

namespace {

using namespace lumtrak;

void Fail(const std::string& why) {
    std::fprintf(stderr, "export fuzz: %s\n", why.c_str());
    std::abort();
}

void FailOnFaults(const std::vector<std::string>& faults, const char* what) {
    if (!faults.empty()) Fail(std::string(what) + ": " + faults.front());
}

std::size_t CountLines(const std::string& text, std::string_view start) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        if (text.compare(at, start.size(), start) == 0) ++count;
        if (text.find('\n', at) == std::string::npos) break;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = testing::SplitLoaderFuzzInput({reinterpret_cast<const char*>(data), size});
    const auto& folder = testing::SceneFuzzFolder(input);

    testing::SceneFuzzEnvironment fuzz;
    auto& environment = fuzz.environment;
    const auto tick = std::int32_t(size % 97);

    using exporter::ExportFormat;
    for (const ExportFormat format : {ExportFormat::Glb, ExportFormat::Gltf, ExportFormat::Obj}) {
        const std::string out = format == ExportFormat::Glb    ? folder / "out.glb"
                                : format == ExportFormat::Gltf ? folder / "out.gltf"
                                                               : folder / "out.obj";
        const auto result = exporter::ExportDefinition(
            input.definition, 0, environment, folder.Path().string(), tick, {format, out, "top"});
        if (!result.failure.empty()) Fail(result.failure);
        if (result.files.empty()) Fail("no files");
        if (format == ExportFormat::Glb) {
            const std::string& bytes = result.files.front().bytes;
            FailOnFaults(testing::GlbContainerFaults(bytes), "glb container");
            const auto read = testing::ReadGlb(bytes);
            if (!read.ok || !read.error.empty()) Fail("glb not read: " + read.error);
            FailOnFaults(testing::GltfFaults(read.model), "glb");
            if (read.model.nodes.size() != result.counts.parts) Fail("a node per part");
            continue;
        }
        for (const auto& file : result.files)
            testing::WriteFileBytes(file.path, file.bytes);
        if (format == ExportFormat::Gltf) {
            const auto read = testing::ReadGltfFile(out);
            if (!read.ok || !read.error.empty()) Fail("gltf not read: " + read.error);
            FailOnFaults(testing::GltfFaults(read.model), "gltf");
        } else if (CountLines(result.files.front().bytes, "f ") != result.counts.faces) {
            Fail("an OBJ face per face");
        }
    }
    return 0;
}

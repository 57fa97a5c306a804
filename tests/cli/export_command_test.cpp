// lumtrak-stock export end to end: the sample locomotive in the three formats,
// read back with tinygltf where it is glTF, and the failures of its usage and
// of its output.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "cli/cli_test_support.h"
#include "support/gltf_check.h"
#include "support/json_value.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

namespace fs = std::filesystem;

const std::string kLocomotive = kSamplesFolder + "/Stock/Locomotives/Class40.stk";

class ExportCommand : public ::testing::Test {
  protected:
    ProcessResult Export(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(),
                         {"export", kLocomotive, "--program-dir", kSamplesFolder});
        return RunStockIn(work.Path().string(), arguments);
    }
    // The printed counts of a run that succeeded.
    JsonValue Printed(const ProcessResult& result) {
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.err, "");
        return JsonValue::Parse(result.out);
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(work.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder work;
};

std::vector<std::string> NodeNames(const tinygltf::Model& model) {
    std::vector<std::string> names;
    for (const auto& node : model.nodes)
        names.push_back(node.name);
    return names;
}

const std::vector<std::string> kSampleNodes = {"Class 40",      "class 40 bogie", "class 40 axle",
                                               "class 40 axle", "class 40 bogie", "class 40 axle",
                                               "class 40 axle"};

TEST_F(ExportCommand, WritesTheSampleLocomotiveAsOneGlbFile) {
    const auto printed = Printed(Export({"--out", "class40.glb"}));
    EXPECT_EQ(printed["out"].String(), "class40.glb");
    EXPECT_EQ(printed["parts"].Int(), 7);
    EXPECT_EQ(printed["faces"].Int(), 46);
    EXPECT_EQ(printed["textures"].Int(), 2);
    EXPECT_EQ(printed["messages"].Size(), 0u);
    EXPECT_EQ(printed["notes"].Size(), 0u);
    EXPECT_EQ(Files(), std::vector<std::string>{"class40.glb"});

    const std::string bytes = ReadFileBytes(work.Path() / "class40.glb");
    EXPECT_EQ(GlbContainerFaults(bytes), std::vector<std::string>{});
    const auto read = ReadGlb(bytes);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.warning, "");
    EXPECT_EQ(GltfFaults(read.model), std::vector<std::string>{});
    EXPECT_EQ(NodeNames(read.model), kSampleNodes);
    EXPECT_EQ(read.model.images.size(), 2u);
    EXPECT_EQ(read.model.images[1].name, "numberplate#.bmp");
    // One buffer: the file's BIN chunk, padded with at most three bytes.
    ASSERT_EQ(read.model.buffers.size(), 1u);
    std::uint32_t jsonLength = 0;
    std::uint32_t binLength = 0;
    std::memcpy(&jsonLength, bytes.data() + 12, 4);
    std::memcpy(&binLength, bytes.data() + 20 + jsonLength, 4);
    EXPECT_GE(binLength, read.model.buffers[0].data.size());
    EXPECT_LT(binLength - read.model.buffers[0].data.size(), 4u);
}

TEST_F(ExportCommand, WritesAGltfFileWithItsBufferAndTexturesBesideIt) {
    const auto printed = Printed(Export({"--out", "class 40.gltf", "--tick", "12"}));
    EXPECT_EQ(printed["parts"].Int(), 7);
    EXPECT_EQ(Files(),
              (std::vector<std::string>{"class 40.bin", "class 40.gltf", "class 40_texture0.png",
                                        "class 40_texture1.png"}));
    const auto read = ReadGltfFile(work / "class 40.gltf");
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(GltfFaults(read.model), std::vector<std::string>{});
    EXPECT_EQ(NodeNames(read.model), kSampleNodes);
    ASSERT_EQ(read.model.buffers.size(), 1u);
    EXPECT_EQ(read.model.buffers[0].uri, "class%2040.bin");
    EXPECT_EQ(read.model.images[0].width, 32);  // the grille, decoded from its PNG
}

TEST_F(ExportCommand, WritesAnObjFileWithItsMaterialsAndTexturesBesideIt) {
    const auto printed = Printed(Export({"--out", "class40.obj"}));
    EXPECT_EQ(Files(), (std::vector<std::string>{"class40.mtl", "class40.obj",
                                                 "class40_texture0.png", "class40_texture1.png"}));
    std::istringstream obj(ReadFileBytes(work.Path() / "class40.obj"));
    std::size_t faces = 0;
    std::size_t groups = 0;
    for (std::string line; std::getline(obj, line);) {
        faces += line.rfind("f ", 0) == 0;
        groups += line.rfind("g ", 0) == 0;
    }
    EXPECT_EQ(faces, std::size_t(printed["faces"].Int()));
    EXPECT_EQ(groups, 7u);
    const std::string mtl = ReadFileBytes(work.Path() / "class40.mtl");
    EXPECT_NE(mtl.find("map_Kd class40_texture1.png"), std::string::npos);
}

TEST_F(ExportCommand, TheFormatOptionOverridesTheExtension) {
    Printed(Export({"--out", "model.dat", "--format", "glb"}));
    const auto read = ReadGlb(ReadFileBytes(work.Path() / "model.dat"));
    EXPECT_TRUE(read.ok) << read.error;
}

TEST_F(ExportCommand, TheTickTurnsTheWheels) {
    Printed(Export({"--out", "t0.glb"}));
    Printed(Export({"--out", "t9.glb", "--tick", "9"}));
    const auto at0 = ReadGlb(ReadFileBytes(work.Path() / "t0.glb")).model;
    const auto at9 = ReadGlb(ReadFileBytes(work.Path() / "t9.glb")).model;
    ASSERT_EQ(at0.nodes.size(), at9.nodes.size());
    EXPECT_EQ(at0.nodes[1].rotation, at9.nodes[1].rotation);  // the bogie stands still
    EXPECT_NE(at0.nodes[2].rotation, at9.nodes[2].rotation);  // its axle turns
}

TEST_F(ExportCommand, BadUsageIsStatusTwo) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{},
                                               {"--out", "model.stl"},
                                               {"--out", "model.glb", "--format", "fbx"},
                                               {"--out", "model.glb", "--tick", "x"}}) {
        const auto result = Export(arguments);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err, "");
    }
    EXPECT_EQ(Files(), std::vector<std::string>{});
}

TEST_F(ExportCommand, AnOutputThatCannotBeWrittenIsStatusOneAndWritesNothing) {
    // A folder below a regular file, which even the superuser cannot make.
    work.Write("plain", "a file");
    for (const char* out : {"plain/model.gltf", "plain/model.obj", "plain/model.glb"}) {
        const auto result = Export({"--out", out});
        EXPECT_EQ(result.exitCode, 1) << out;
        EXPECT_NE(result.err.find(out), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    // A read-only file, which binds the superuser too.
    work.Write("kept.glb", "old");
    ASSERT_EQ(::chmod((work / "kept.glb").c_str(), 0444), 0);
    const auto result = Export({"--out", "kept.glb"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(ReadFileBytes(work.Path() / "kept.glb"), "old");
    EXPECT_EQ(Files(), (std::vector<std::string>{"kept.glb", "plain"}));
}

}  // namespace
}  // namespace lumtrak::testing

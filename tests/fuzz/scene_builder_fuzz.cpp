// The scene builder on arbitrary bytes: a definition text and a small program
// folder (a "Stock Index" and three part files, beside a FIFO, a folder and an
// empty file that index lines may name, and a label and a decal texture), cut
// from the input as SplitLoaderFuzzInput says. Every build must finish within
// its budget, leave at most one note, show only the mapped-file reader's
// messages, nest no deeper than the include limit, and leave the scene frame
// as it found it when the tree goes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/message_sink.h"
#include "preview3d/animation.h"
#include "preview3d/preview_engine.h"
#include "preview3d/scene_builder.h"
#include "scene_fuzz_folder.h"

namespace {

using namespace lumtrak;

void Fail(const std::string& why) {
    std::fprintf(stderr, "scene builder fuzz: %s\n", why.c_str());
    std::abort();
}

bool IsFileMessage(const platform::Message& message) {
    return message.text == "Can't open file" ||
           message.text.rfind("Can't create file mapping.\n", 0) == 0 ||
           message.text == "Can't map file view";
}

struct TreeFacts {
    std::size_t faces = 0;
    std::size_t depth = 0;
    bool rootsRight = true;
};

void Walk(const preview3d::ScenePart& part, const preview3d::ScenePart& top, std::size_t depth,
          TreeFacts& facts) {
    facts.depth = std::max(facts.depth, depth);
    if (part.root != &top) facts.rootsRight = false;
    if (part.meshBuilder) facts.faces += part.meshBuilder->GetFaceCount();
    for (const auto& child : part.children)
        Walk(*child, top, depth + 1, facts);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = testing::SplitLoaderFuzzInput({reinterpret_cast<const char*>(data), size});
    const auto& folder = testing::SceneFuzzFolder(input);

    testing::SceneFuzzEnvironment fuzz;
    auto& environment = fuzz.environment;
    preview3d::PreviewEngine engine(fuzz.textures, 50);
    const std::size_t sceneFrames = engine.Scene().GetChildren().size();

    const model::DefinitionText text(input.definition);
    for (const model::Cursor start : {model::Cursor{0}, text.End() / 2}) {
        auto top = std::make_unique<preview3d::ScenePart>(engine, std::string());
        preview3d::SceneSource source(text, preview3d::MemoryTextKey(text), folder.Path().string());
        const std::size_t notesBefore = environment.notes.size();
        preview3d::BuildScene(*top, source, start, environment);
        preview3d::UpdatePart(*top, nullptr, 7);

        const auto& budget = environment.budget;
        const std::size_t notes = environment.notes.size() - notesBefore;
        if (notes > 1) Fail("more than one note in a build");
        if ((notes == 1) != budget.spent)
            Fail("a spent budget without its note, or a note without");
        if (budget.includes > environment.limits.includes + 1) Fail("includes past the budget");
        TreeFacts facts;
        Walk(*top, *top, 0, facts);
        if (facts.faces > 2 * budget.panels) Fail("more faces than panels were placed");
        if (facts.depth > preview3d::SceneEnvironment::kMaxIncludeDepth) Fail("nested too deep");
        if (!facts.rootsRight) Fail("a part with another root");
        if (!environment.chain.empty()) Fail("the include chain outlived the build");
        top.reset();
        if (engine.Scene().GetChildren().size() != sceneFrames) Fail("frames left in the scene");
    }
    for (const auto& message : fuzz.messages.messages) {
        if (!IsFileMessage(message)) Fail("an unknown message: " + message.text);
    }
    return 0;
}

// The definition loader on arbitrary bytes: a definition text and a small
// program folder (a "Stock Index" and three part files, beside a FIFO, a folder
// and an empty file that index lines may name), cut from the input as
// SplitLoaderFuzzInput says. Every load must finish within its budget, leave at
// most one note, and show only the loader's own messages; on small texts the
// scans that keep what they found must agree with their plain versions. Each
// loaded model is then drawn as the 2D preview draws it, in a view that the
// input picks, and the drawing must hold together (CheckDrawing).
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "drawing_check.h"
#include "model/definition_loader.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "stockindex/stock_index.h"
#include "support/literal_scans.h"
#include "support/loader_fuzz_input.h"
#include "support/temp_folder.h"

namespace {

using namespace lumtrak;

void Fail(const std::string& why) {
    std::fprintf(stderr, "loader fuzz: %s\n", why.c_str());
    std::abort();
}

// The program folder, made once: the files that cannot be opened stay, the
// index and the parts are written for every input.
const testing::TempFolder& ProgramFolder() {
    static const testing::TempFolder folder;
    static const bool made = [] {
        ::mkfifo((folder.Path() / "pipe.stk").c_str(), 0600);
        std::filesystem::create_directory(folder.Path() / "dir.stk");
        folder.Write("empty.stk", "");
        platform::SetProgramFolderOverride(folder.Path().string());
        return true;
    }();
    (void)made;
    return folder;
}

std::size_t CountPanels(const model::Panel* panel) {
    std::size_t count = 0;
    for (; panel != nullptr; panel = panel->next.get())
        count += 1 + CountPanels(panel->subPanels.get());
    return count;
}

bool IsLoaderMessage(const platform::Message& message) {
    if (message.caption == platform::kEditorCaption)
        return message.text.rfind("ReadP overrun: ", 0) == 0;
    return message.text == "Can't open file" ||
           message.text.rfind("Can't create file mapping.\n", 0) == 0 ||
           message.text == "Can't map file view";
}

// Which view to draw in: a hash of the input, so that every input keeps its view.
std::uint32_t ViewChoice(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = testing::SplitLoaderFuzzInput({reinterpret_cast<const char*>(data), size});
    const auto& folder = ProgramFolder();
    // Lines that name every file of the folder come after the input's own.
    folder.Write("Stock Index", input.stockIndex +
                                    "\r\na\ta.stk\r\nb\tb.stk\r\nc\tc.stk\r\npipe\tpipe.stk\r\n"
                                    "dir\tdir.stk\r\nempty\tempty.stk\r\nnone\tnone.stk\r\n");
    for (std::size_t i = 0; i < std::size(testing::kLoaderPartFiles); ++i) {
        folder.Write(testing::kLoaderPartFiles[i], i < input.parts.size() ? input.parts[i] : "");
    }

    platform::RecordingMessageSink messages;
    model::TextureRegistry textures;
    model::IncludeCache includes{stockindex::ReadPartIndex};  // fresh: a part rewritten within one
                                                              // clock tick looks unchanged
    model::LoadEnvironment environment(messages, textures, includes);
    // Small limits, so that inputs reach them.
    environment.limits.includes = 300;
    environment.limits.panels = 3000;
    environment.limits.includedBytes = 300'000;

    const model::DefinitionText text(input.definition);
    for (const model::Cursor caret : {model::Cursor{0}, text.End() / 2}) {
        model::StockModel stock;
        const std::size_t notesBefore = environment.notes.size();
        model::LoadDefinitionAt(stock, text, {caret, text.End()}, true, environment);

        const auto& budget = environment.budget;
        const std::size_t notes = environment.notes.size() - notesBefore;
        if (notes > 1) Fail("more than one note in a load");
        if ((notes == 1) != budget.spent)
            Fail("a spent budget without its note, or a note without");
        if (notes == 1 && environment.notes.back() != model::LoadBudgetNote(environment.limits))
            Fail("an unknown note");
        if (budget.includes > environment.limits.includes + 1) Fail("includes past the budget");
        const std::size_t panels = CountPanels(stock.mainList.get()) +
                                   CountPanels(stock.seeThroughList.get()) +
                                   CountPanels(stock.groupHead.get());
        if (panels > budget.panels) Fail("more panels in the model than were placed");
        if (!budget.spent && budget.panels > environment.limits.panels)
            Fail("panels past the budget without a note");
        if (!environment.chain.empty()) Fail("the include chain outlived the load");

        testing::CheckDrawing(stock, textures, ViewChoice(data, size) + std::uint32_t(caret));
    }
    for (const auto& message : messages.messages) {
        if (!IsLoaderMessage(message)) Fail("an unknown message: " + message.text);
    }

    if (text.End() <= 2048) {
        if (const std::string why = testing::ScansDisagree(text); !why.empty()) Fail(why);
    }
    return 0;
}

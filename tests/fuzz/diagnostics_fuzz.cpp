// The check and the token pass on arbitrary bytes: a definition text and a
// small program folder (a "Stock Index" and three part files, cut from the
// input as SplitLoaderFuzzInput says). Every problem must stand inside the
// text, at the line and column of its offset, and the problems must come in
// order; the tokens must cover the text from end to end without gap or
// overlap, and the pass started again at a line start must give every byte
// after it the same kind.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics/check.h"
#include "diagnostics/line_index.h"
#include "diagnostics/tokens.h"
#include "model/include_cache.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "stockindex/stock_index.h"
#include "support/loader_fuzz_input.h"
#include "support/temp_folder.h"

namespace {

using namespace lumtrak;

void Fail(const std::string& why) {
    std::fprintf(stderr, "diagnostics fuzz: %s\n", why.c_str());
    std::abort();
}

const testing::TempFolder& ProgramFolder() {
    static const testing::TempFolder folder;
    static const bool made = [] {
        platform::SetProgramFolderOverride(folder.Path().string());
        return true;
    }();
    (void)made;
    return folder;
}

void CheckProblems(std::string_view text, const std::vector<diagnostics::Problem>& problems) {
    const diagnostics::LineIndex lines(text);
    std::size_t last = 0;
    for (const diagnostics::Problem& problem : problems) {
        if (problem.offset > text.size() || problem.length > text.size() - problem.offset) {
            Fail("a problem outside the text");
        }
        if (problem.offset < last) Fail("problems out of order");
        last = problem.offset;
        const auto position = lines.PositionOf(problem.offset);
        if (position.line != problem.line || position.column != problem.column) {
            Fail("a problem's line and column are not those of its offset");
        }
        if (problem.Text().empty()) Fail("a problem without text");
    }
}

std::vector<diagnostics::TokenKind> KindsOf(std::string_view text, std::size_t from) {
    std::vector<diagnostics::TokenKind> kinds(text.size() - from);
    std::size_t next = from;
    for (const diagnostics::Token& token : diagnostics::Tokenize(text, from)) {
        if (token.offset != next || token.length == 0) Fail("tokens with a gap or an overlap");
        for (std::size_t i = 0; i < token.length; ++i)
            kinds[token.offset - from + i] = token.kind;
        next = token.offset + token.length;
    }
    if (next != text.size()) Fail("tokens that stop before the end of the text");
    return kinds;
}

void CheckTokens(std::string_view text) {
    if (text.empty()) {
        if (!diagnostics::Tokenize(text).empty()) Fail("tokens of an empty text");
        return;
    }
    const auto whole = KindsOf(text, 0);
    const std::size_t restart = diagnostics::LineStartOf(text, text.size() / 2);
    const auto restarted = KindsOf(text, restart);
    if (!std::equal(restarted.begin(), restarted.end(), whole.begin() + std::ptrdiff_t(restart))) {
        Fail("the pass started at a line start gives other kinds");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto input = testing::SplitLoaderFuzzInput(bytes);
    const auto& folder = ProgramFolder();
    folder.Write("Stock Index", input.stockIndex + "\r\na\ta.stk\r\nb\tb.stk\r\nc\tc.stk\r\n");
    for (std::size_t i = 0; i < std::size(testing::kLoaderPartFiles); ++i) {
        folder.Write(testing::kLoaderPartFiles[i], i < input.parts.size() ? input.parts[i] : "");
    }

    platform::RecordingMessageSink messages;
    model::IncludeCache includes{stockindex::ReadPartIndex};
    model::LoadLimits limits;
    limits.includes = 300;
    limits.panels = 3000;
    limits.includedBytes = 300'000;
    diagnostics::Checker checker(includes, messages, limits);
    const std::string path = folder.Write("t.stk", input.definition);
    const diagnostics::CheckResult result = checker.Check({input.definition, "t.stk", path});
    CheckProblems(input.definition, result.problems);

    CheckTokens(bytes);
    return 0;
}

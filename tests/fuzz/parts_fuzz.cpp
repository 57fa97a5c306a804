// The readers of working across parts on arbitrary definition text: the
// statements that name parts, the one under a position, the name of a name
// line, the uses of a name, the completion wanted before a position and the
// ranking of names. The first two bytes choose a position; every range given
// back must lie in the text and say what the text says there.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

#include "model/characters.h"
#include "model/text_lines.h"
#include "parts/completion.h"
#include "parts/completion_context.h"
#include "parts/name_lines.h"
#include "parts/part_statements.h"
#include "parts/part_uses.h"

namespace {

using namespace lumtrak;

void Check(bool holds) {
    if (!holds) std::abort();
}

void CheckStatements(std::string_view text) {
    model::Cursor previous = 0;
    for (const auto& statement : parts::PartStatementsIn(text)) {
        Check(model::NamesPart(statement.statement));
        Check(statement.start >= previous);
        Check(statement.start <= statement.nameStart);
        Check(statement.nameStart <= statement.nameEnd && statement.nameEnd <= text.size());
        previous = statement.start;
    }
}

void CheckPosition(std::string_view text, model::Cursor pos) {
    if (const auto statement = parts::PartStatementAt(text, pos)) {
        Check(statement->start <= pos && pos <= statement->nameEnd);
        Check(statement->nameEnd <= text.size());
    }
    const std::string name = parts::DefinedNameAt(text, pos);
    Check(name.find_first_of("\r\n") == std::string::npos);

    const auto context = parts::CompletionContextAt(text, pos);
    const model::Cursor caret = std::min(pos, text.size());
    Check(context.start <= caret);
    Check(context.typed == text.substr(context.start, caret - context.start));
    Check(context.typed.find_first_of("\r\n") == std::string::npos);
    if (context.kind == parts::CompletionKind::PartName) {
        Check(context.typed.find('#') == std::string::npos);
    }

    const model::TextLines lines(text);
    Check(lines.LineOf(pos) == model::LineOf(text, pos));
    Check(lines.LineStart(lines.LineOf(pos)) <= caret);

    // The text's own names, ranked by what stands before the position.
    std::vector<parts::CompletionCandidate> candidates;
    for (std::string& defined : parts::NamesDefinedIn(text))
        candidates.push_back({std::move(defined), {}});
    std::unordered_set<std::string> seen;
    for (const auto& ranked : parts::RankCandidates(context.typed, candidates)) {
        Check(seen.insert(model::ToLowerAscii(ranked.text)).second);
        Check(parts::Closeness(context.typed, ranked.text) >= 0);
    }
}

// The uses of a name, found reading only the lines that hold it, are exactly
// the statements of the whole text that name it.
void CheckUses(std::string_view text, const std::string& name) {
    const parts::OpenText open[] = {{"", text}};
    const auto found = parts::FindPartUses(name, open, "/nonexistent/lumtrak/program");
    const std::string wanted = parts::LookupName(name);
    std::vector<model::Cursor> expected;
    for (const auto& statement : parts::PartStatementsIn(text)) {
        const auto written =
            text.substr(statement.nameStart, statement.nameEnd - statement.nameStart);
        if (!written.empty() && !wanted.empty() && parts::LookupName(written) == wanted) {
            expected.push_back(statement.nameStart);
        }
    }
    std::vector<model::Cursor> offsets;
    for (const auto& use : found.uses)
        offsets.push_back(use.offset);
    Check(offsets == expected);
    for (const auto& use : found.uses) {
        Check(use.openText == 0);
        Check(use.offset + use.name.size() <= text.size());
        Check(text.substr(use.offset, use.name.size()) == use.name);
        Check(parts::LookupName(use.name) == wanted);
        Check(use.line == model::LineOf(text, use.offset));
        Check(use.column >= 1 && use.lineText.find_first_of("\r\n") == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const model::Cursor pos = (std::size_t(data[0]) << 8 | data[1]) % (text.size() + 2);
    CheckStatements(text);
    CheckPosition(text, pos);
    // The uses of the first part the text names, if any.
    const auto statements = parts::PartStatementsIn(text);
    if (!statements.empty()) {
        const auto& first = statements.front();
        CheckUses(text, std::string(text.substr(first.nameStart, first.nameEnd - first.nameStart)));
    }
    return 0;
}

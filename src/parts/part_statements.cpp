#include "parts/part_statements.h"

#include <algorithm>

#include "model/characters.h"
#include "model/definition_loader.h"
#include "model/definition_reader.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"

namespace lumtrak::parts {
namespace {

using model::Cursor;

// Keeps the statements that name parts; loads none of them.
class Listing final : public model::IncludeResolver {
  public:
    model::IncludeOutcome Resolve(model::StockModel&, std::string_view, std::int32_t, std::int32_t,
                                  std::int32_t, const model::SideMask&, bool) override {
        return model::IncludeOutcome::Skipped;
    }
    void Named(const model::PartStatementRead& statement) override {
        statements.push_back(statement);
    }
    std::vector<model::PartStatementRead> statements;
};

// Where the definition that starts at start ends: at the first "[end]" after
// it, or the end of the text.
Cursor DefinitionEnd(std::string_view text, Cursor start) {
    for (std::size_t p = text.find('[', start); p != std::string_view::npos;
         p = text.find('[', p + 1)) {
        if (model::StartsWithIgnoringCase(text.substr(p), "[end]")) return p;
    }
    return text.size();
}

// Reads definitions for their statements, with one environment for all.
class Outliner {
  public:
    Outliner()
        : includes_([](std::string_view) { return nullptr; }),
          environment_(messages_, textures_, includes_) {}

    // The definition at start of text, read up to cut.
    DefinitionOutline Read(std::string_view text, Cursor start, Cursor cut) {
        const model::DefinitionText definition(text.substr(0, cut));
        model::StockModel stock;
        Listing listing;
        Cursor cursor = start;
        environment_.budget = {};
        model::DefinitionReader(stock, definition, cursor, model::SideMask::AllVisible(),
                                std::nullopt, 0, 0, 0, false, listing, environment_)
            .Run();
        return {std::move(stock.name), std::move(listing.statements)};
    }

  private:
    platform::NullMessageSink messages_;
    // No engine publishes a loader to it: no texture file is read.
    model::TextureRegistry textures_;
    model::IncludeCache includes_;
    model::LoadEnvironment environment_;
};

// Calls read(start, end) for each definition of the text, in order.
template <typename Read>
void ForEachDefinition(std::string_view text, Read read) {
    for (Cursor start = 0;;) {
        const Cursor end = DefinitionEnd(text, start);
        read(start, end);
        if (end >= text.size()) break;
        start = end + 5;
    }
}

}  // namespace

DefinitionOutline OutlineDefinition(std::string_view text, Cursor start) {
    // Cut at the next "[end]", so that no definition reads on past it: a reader
    // would stop there anyway unless the "[end]" stands in a comment.
    return Outliner().Read(text, start, DefinitionEnd(text, start));
}

std::vector<model::PartStatementRead> PartStatementsIn(std::string_view text) {
    std::vector<model::PartStatementRead> statements;
    Outliner outliner;
    ForEachDefinition(text, [&](Cursor start, Cursor end) {
        const auto parts = outliner.Read(text, start, end).parts;
        statements.insert(statements.end(), parts.begin(), parts.end());
    });
    return statements;
}

std::vector<model::PartStatementRead> PartStatementsOnLines(std::string_view text,
                                                            std::span<const Cursor> positions) {
    std::vector<model::PartStatementRead> statements;
    Outliner outliner;
    auto next = positions.begin();
    ForEachDefinition(text, [&](Cursor start, Cursor end) {
        while (next != positions.end() && *next < start)
            ++next;
        auto last = next;
        while (next != positions.end() && *next < end)
            last = next++;
        if (last == positions.end() || *last < start || *last >= end) return;
        const Cursor lineEnd = std::min(text.find_first_of("\r\n", *last), end);
        const auto lines = [&](const model::PartStatementRead& statement) {
            // The statement's line, from its word to its name.
            const std::size_t from = text.substr(0, statement.start).find_last_of("\r\n");
            const Cursor lineStart = from == std::string_view::npos ? 0 : from + 1;
            const Cursor lineStop =
                std::min(text.find_first_of("\r\n", statement.nameStart), text.size());
            const auto at = std::lower_bound(positions.begin(), positions.end(), lineStart);
            return at != positions.end() && *at <= lineStop;
        };
        for (const auto& statement : outliner.Read(text, start, lineEnd).parts) {
            if (lines(statement)) statements.push_back(statement);
        }
    });
    return statements;
}

std::optional<model::PartStatementRead> PartStatementAt(std::string_view text, Cursor pos) {
    const Cursor start = model::FindDefinitionStart(model::DefinitionText(text), pos);
    for (const auto& statement : OutlineDefinition(text, start).parts) {
        if (statement.start <= pos && pos <= statement.nameEnd) return statement;
    }
    return std::nullopt;
}

std::string LookupName(std::string_view writtenName) {
    if (!writtenName.empty() && writtenName.front() == '!') writtenName.remove_prefix(1);
    return model::ToLowerAscii(std::string(writtenName));
}

}  // namespace lumtrak::parts

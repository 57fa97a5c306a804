#include "parts/part_statements.h"

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
    void Resolve(model::StockModel&, std::string_view, std::int32_t, std::int32_t, std::int32_t,
                 const model::SideMask&, bool) override {}
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

}  // namespace

DefinitionOutline OutlineDefinition(std::string_view text, Cursor start) {
    // Cut at the next "[end]", so that no definition reads on past it: a reader
    // would stop there anyway unless the "[end]" stands in a comment.
    const model::DefinitionText definition(text.substr(0, DefinitionEnd(text, start)));
    platform::NullMessageSink messages;
    model::TextureRegistry textures;
    model::IncludeCache includes{[](std::string_view) { return nullptr; }};
    model::LoadEnvironment environment(messages, textures, includes);
    model::StockModel stock;
    Listing listing;
    Cursor cursor = start;
    model::DefinitionReader(stock, definition, cursor, model::SideMask::AllVisible(), std::nullopt,
                            0, 0, 0, false, listing, environment)
        .Run();
    return {std::move(stock.name), std::move(listing.statements)};
}

std::vector<model::PartStatementRead> PartStatementsIn(std::string_view text) {
    std::vector<model::PartStatementRead> statements;
    for (Cursor start = 0;;) {
        auto outline = OutlineDefinition(text, start);
        statements.insert(statements.end(), outline.parts.begin(), outline.parts.end());
        const Cursor end = DefinitionEnd(text, start);
        if (end >= text.size()) break;
        start = end + 5;
    }
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

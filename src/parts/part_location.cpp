#include "parts/part_location.h"

#include "model/definition_loader.h"
#include "model/name_directory.h"
#include "model/text_lines.h"
#include "model/texture_registry.h"
#include "parts/part_statements.h"

namespace lumtrak::parts {
namespace {

// The line of a definition found just before start (the end of its name's text).
PartLocation LocationIn(std::string_view text, model::Cursor start, std::string path) {
    const model::TextLines lines(text);
    const std::size_t line = lines.LineOf(start > 0 ? start - 1 : 0);
    return {std::move(path), lines.LineStart(line), line};
}

}  // namespace

std::optional<PartLocation> LocatePart(std::string_view writtenName, std::string_view text,
                                       model::IncludeCache& includes,
                                       platform::MessageSink& messages) {
    const std::string wanted = LookupName(writtenName);
    if (wanted.empty()) return std::nullopt;
    model::TextureRegistry textures;
    model::LoadEnvironment environment(messages, textures, includes);
    model::SourceText source(model::DefinitionText(text), "located");
    const auto found = model::FindIncludedDefinition(wanted, source, environment);
    if (!found) return std::nullopt;
    if (!found->file) return LocationIn(text, found->start, {});
    return LocationIn(found->file->content, found->start, found->file->path);
}

std::optional<model::Cursor> NameLineIn(std::string_view text, std::string_view lowerName) {
    const model::DefinitionText definitions(text);
    const auto found = model::NameDirectory(definitions).Find(lowerName);
    if (!found) return std::nullopt;
    return LocationIn(text, *found, {}).lineStart;
}

}  // namespace lumtrak::parts

#include "parts/part_tree.h"

#include "model/definition_loader.h"
#include "model/text_lines.h"
#include "parts/part_statements.h"

namespace lumtrak::parts {

PartTree LoadPartTree(std::string_view text, model::Cursor pos,
                      model::LoadEnvironment& environment) {
    const model::DefinitionText definitions(text);
    const model::Cursor start = model::FindDefinitionStart(definitions, pos);

    model::LoadRecord record(model::LoadRecord::Keeps::PartsAndMotions);
    model::LoadRecord* const previous = std::exchange(environment.record, &record);
    model::StockModel stock;
    model::LoadDefinitionAt(stock, definitions, {pos, pos}, false, environment);
    environment.record = previous;

    PartTree tree;
    tree.name = OutlineDefinition(text, start).name;
    tree.definition = {{}, start, model::LineOf(text, start)};
    tree.parts = record.Parts();
    tree.files = record.Files();
    tree.notes = std::move(environment.notes);
    environment.notes.clear();
    return tree;
}

}  // namespace lumtrak::parts

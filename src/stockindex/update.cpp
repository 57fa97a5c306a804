#include "stockindex/update.h"

#include "model/characters.h"
#include "platform/mapped_file.h"
#include "stockindex/index_file.h"
#include "stockindex/index_lines.h"

namespace lumtrak::stockindex {
namespace {

bool EndsUpdateName(char c) {
    return model::IsLineEnd(c) || c == '#';
}

bool IsUpdateMark(std::string_view piece) {
    return piece.starts_with(kUpdateMarkLine);
}

// Whether the piece is an entry whose name the update supersedes.
bool IsSuperseded(std::string_view piece, std::string_view nameList) {
    if (!piece.empty() && piece.front() == kMarkedPrefix) piece.remove_prefix(1);
    const std::size_t tab = piece.find(kNameSeparator);
    if (tab == std::string_view::npos) return false;
    std::string key = "<";
    key += piece.substr(0, tab);
    key += '>';
    return nameList.find(key) != std::string_view::npos;
}

}  // namespace

UpdateBlock MakeUpdateBlock(std::string_view document, std::string_view documentPath) {
    UpdateBlock block;
    StringIndexWriter out;
    out.Line(kUpdateMarkLine);
    out.Line(kNodeLine);
    out.Line(kUpdateGroupName);
    for (std::size_t p = 0; p < document.size(); ++p) {
        if (!model::StartsWithIgnoringCase(document.substr(p), "name")) continue;
        p += 4;
        while (p < document.size() && !model::IsAboveBlank(document[p]))
            ++p;
        const std::size_t start = p;
        while (p < document.size() && !EndsUpdateName(document[p]))
            ++p;
        const std::string_view name = document.substr(start, p - start);
        block.nameList += '<';
        block.nameList += name;
        block.nameList += '>';
        block.names.emplace_back(name);
        out.Entry(name, documentPath, false);
    }
    out.Line(kEndNodeLine);
    out.Line(kUpdateMarkLine);
    block.lines = std::move(out.text);
    return block;
}

void CopyPreviousIndex(std::string_view previous, std::string_view nameList, IndexWriter& out) {
    const IndexLines lines(previous);
    const auto& pieces = lines.Pieces();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (IsUpdateMark(pieces[i])) {
            ++i;
            while (i < pieces.size() && !IsUpdateMark(pieces[i]))
                ++i;
            continue;
        }
        if (IsSuperseded(pieces[i], nameList)) continue;
        out.Line(WithoutLineEnd(pieces[i]));
    }
}

bool UpdateStockIndex(std::string_view document, std::string_view documentPath,
                      const std::string& programFolder, platform::MessageSink& messages,
                      platform::StatusSink& status) {
    platform::BusyScope busy(status);
    NewIndexFile index(programFolder, messages);
    if (!index.Created()) return false;
    const UpdateBlock block = MakeUpdateBlock(document, documentPath);
    index.Writer().Write(block.lines);

    // The previous index is read quietly: a missing or empty one has nothing to
    // copy.
    platform::NullMessageSink quiet;
    platform::MappedFile previous;
    platform::OpenMappedFile(index.IndexPath(), previous, false, quiet);
    CopyPreviousIndex(previous.Content(), block.nameList, index.Writer());
    platform::CloseMappedFile(previous);
    return index.Commit();
}

}  // namespace lumtrak::stockindex

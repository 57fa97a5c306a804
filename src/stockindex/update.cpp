#include "stockindex/update.h"

#include <optional>
#include <unordered_set>

#include "model/characters.h"
#include "model/substring_index.h"
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

bool HoldsAngleBracket(std::string_view text) {
    return text.find_first_of("<>") != std::string_view::npos;
}

// The names an update supersedes: those that stand as "<" name ">" anywhere in
// the list of the document's names, "<a><b>...". When the list is a row of
// names without '<' or '>', as real names are, such a key stands in it exactly
// where the name is one of them, so those names are looked up by hashing; any
// other key, and any other list, is searched for in a substring index of the
// list. Either way a lookup costs the name's length, not the list's.
class SupersededNames {
  public:
    explicit SupersededNames(std::string_view nameList) : list_(nameList) {
        std::size_t at = 0;
        while (at < list_.size() && list_[at] == '<') {
            const std::size_t close = list_.find_first_of("<>", at + 1);
            if (close == std::string_view::npos || list_[close] != '>') break;
            names_.insert(list_.substr(at + 1, close - at - 1));
            at = close + 1;
        }
        plain_ = at == list_.size();
    }

    bool Contains(std::string_view name) const {
        if (plain_ && !HoldsAngleBracket(name)) return names_.count(name) != 0;
        if (!index_) {
            index_.emplace();
            index_->Append(list_);
        }
        std::string key = "<";
        key += name;
        key += '>';
        return index_->FindFirst(key) != model::SubstringIndex::kNone;
    }

  private:
    std::string_view list_;
    bool plain_ = false;
    std::unordered_set<std::string_view> names_;
    mutable std::optional<model::SubstringIndex> index_;
};

// Whether the piece is an entry whose name the update supersedes.
bool IsSuperseded(std::string_view piece, const SupersededNames& names) {
    if (!piece.empty() && piece.front() == kMarkedPrefix) piece.remove_prefix(1);
    const std::size_t tab = piece.find(kNameSeparator);
    if (tab == std::string_view::npos) return false;
    return names.Contains(piece.substr(0, tab));
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
    const SupersededNames names(nameList);
    const IndexLines lines(previous);
    const auto& pieces = lines.Pieces();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (IsUpdateMark(pieces[i])) {
            ++i;
            while (i < pieces.size() && !IsUpdateMark(pieces[i]))
                ++i;
            continue;
        }
        if (IsSuperseded(pieces[i], names)) continue;
        out.Line(WithoutLineEnd(pieces[i]));
    }
}

bool UpdateStockIndex(std::string_view document, std::string_view documentPath,
                      const std::string& programFolder, platform::MessageSink& messages,
                      platform::StatusSink& status, std::vector<std::string>& notes) {
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
    return index.Commit(notes);
}

}  // namespace lumtrak::stockindex

#include "parts/part_uses.h"

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

#include "model/characters.h"
#include "model/text_lines.h"
#include "parts/name_lines.h"
#include "parts/part_statements.h"
#include "platform/file_lookup.h"
#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/stock_folder_scan.h"

namespace lumtrak::parts {
namespace {

using model::Cursor;
using FileKey = std::pair<std::uint64_t, std::uint64_t>;  // device, inode

// A quick test of whether bytes hold the name at all (any case), so that only
// the few files that may name the part are read statement by statement.
class NameFilter {
  public:
    explicit NameFilter(std::string lowerName)
        : name_(std::move(lowerName)),
          searcher_(name_.begin(), name_.end(), LowerHash{}, EqualIgnoringCase{}) {}

    bool MayHold(std::string_view bytes) const {
        return std::search(bytes.begin(), bytes.end(), searcher_) != bytes.end();
    }

  private:
    struct LowerHash {
        std::size_t operator()(char c) const {
            return static_cast<unsigned char>(model::ToLowerAscii(c));
        }
    };
    struct EqualIgnoringCase {
        bool operator()(char a, char b) const {
            return model::ToLowerAscii(a) == model::ToLowerAscii(b);
        }
    };

    std::string name_;
    std::boyer_moore_horspool_searcher<std::string::const_iterator, LowerHash, EqualIgnoringCase>
        searcher_;
};

std::string_view LineAround(std::string_view text, Cursor pos) {
    const std::size_t before = text.substr(0, pos).find_last_of("\r\n");
    const Cursor start = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    return text.substr(start, end - start);
}

// Adds the uses of name in text.
void CollectUses(std::string_view text, const std::string& lowerName, std::string_view path,
                 int openText, std::vector<PartUse>& uses) {
    std::optional<model::TextLines> lines;
    for (const auto& statement : PartStatementsIn(text)) {
        const std::string_view written =
            model::DefinitionText(text).Slice(statement.nameStart, statement.nameEnd);
        if (written.empty() || LookupName(written) != lowerName) continue;
        if (!lines) lines.emplace(text);
        PartUse use;
        use.path = std::string(path);
        use.openText = openText;
        use.statement = statement.statement;
        use.name = std::string(written);
        use.offset = statement.nameStart;
        use.line = lines->LineOf(statement.nameStart);
        use.column = statement.nameStart - lines->LineStart(use.line) + 1;
        use.lineText = std::string(LineAround(text, statement.nameStart));
        uses.push_back(std::move(use));
    }
}

// Searches the files of the stock trees that the walk hands on.
class TreeSearch final : public stockindex::StockTreeVisitor {
  public:
    TreeSearch(const std::string& lowerName, std::set<FileKey> open, PartUses& result)
        : lowerName_(lowerName), filter_(lowerName), open_(std::move(open)), result_(result) {}

    void File(const std::string& path, std::string_view content) override {
        ++result_.filesSearched;
        if (!filter_.MayHold(content)) return;
        if (const auto identity = platform::IdentifyFile(path)) {
            if (open_.contains({identity->device, identity->inode})) return;
        }
        CollectUses(content, lowerName_, path, -1, result_.uses);
    }

  private:
    const std::string& lowerName_;
    NameFilter filter_;
    std::set<FileKey> open_;
    PartUses& result_;
};

}  // namespace

std::string DefinedNameAt(std::string_view text, Cursor pos) {
    return NameOfLine(LineAround(text, std::min(pos, text.size())));
}

PartUses FindPartUses(std::string_view name, std::span<const OpenText> open,
                      const std::string& programFolder) {
    PartUses result;
    const std::string lowerName = LookupName(name);
    if (lowerName.empty()) return result;

    std::set<FileKey> openFiles;
    for (std::size_t i = 0; i < open.size(); ++i) {
        CollectUses(open[i].text, lowerName, open[i].path, int(i), result.uses);
        if (open[i].path.empty()) continue;
        if (const auto identity = platform::IdentifyFile(open[i].path)) {
            openFiles.insert({identity->device, identity->inode});
        }
    }

    TreeSearch search(lowerName, std::move(openFiles), result);
    platform::RecordingMessageSink messages;
    platform::NullStatusSink status;
    stockindex::WalkStockTrees(programFolder, search, messages, status, result.notes);
    for (const auto& message : messages.messages)
        result.notes.push_back(message.caption + ": " + message.text);

    std::stable_sort(result.uses.begin(), result.uses.end(),
                     [](const PartUse& a, const PartUse& b) {
                         const bool aOpen = a.openText >= 0;
                         const bool bOpen = b.openText >= 0;
                         if (aOpen != bOpen) return aOpen;
                         if (aOpen) return a.openText < b.openText;
                         return a.path < b.path;
                     });
    return result;
}

}  // namespace lumtrak::parts

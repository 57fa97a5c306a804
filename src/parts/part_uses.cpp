#include "parts/part_uses.h"

#include <algorithm>
#include <array>
#include <set>
#include <span>
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

// Finds the name (any case) in the bytes of a file, so that only the lines
// that hold it are read statement by statement: a search that skips by the
// byte under the name's last letter, as far as the name allows.
class NameFilter {
  public:
    explicit NameFilter(std::string lowerName) : name_(std::move(lowerName)) {
        skip_.fill(name_.size());
        for (std::size_t i = 0; i + 1 < name_.size(); ++i)
            skip_[static_cast<unsigned char>(name_[i])] = name_.size() - 1 - i;
    }

    // Where bytes hold the name, in order.
    std::vector<Cursor> Places(std::string_view bytes) const {
        std::vector<Cursor> places;
        const std::size_t length = name_.size();
        if (length == 0) return places;
        for (std::size_t at = 0; at + length <= bytes.size();) {
            std::size_t i = length;
            while (i > 0 && model::ToLowerAscii(bytes[at + i - 1]) == name_[i - 1])
                --i;
            if (i == 0) places.push_back(at);
            at += skip_[static_cast<unsigned char>(model::ToLowerAscii(bytes[at + length - 1]))];
        }
        return places;
    }

  private:
    std::string name_;
    std::array<std::size_t, 256> skip_{};
};

std::string_view LineAround(std::string_view text, Cursor pos) {
    const std::size_t before = text.substr(0, pos).find_last_of("\r\n");
    const Cursor start = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    return text.substr(start, end - start);
}

// Counts lines forward through a text, for positions asked in order.
class LineCounter {
  public:
    explicit LineCounter(std::string_view text) : text_(text) {}

    std::size_t LineOf(Cursor pos) {
        line_ += model::LineEndsBetween(text_, at_, pos);
        at_ = std::max(at_, pos);
        return line_;
    }

  private:
    std::string_view text_;
    Cursor at_ = 0;
    std::size_t line_ = 1;
};

// Adds the uses of name in text, which holds the name at places.
void CollectUses(std::string_view text, std::span<const Cursor> places,
                 const std::string& lowerName, std::string_view path, int openText,
                 std::vector<PartUse>& uses) {
    LineCounter lines(text);
    for (const auto& statement : PartStatementsOnLines(text, places)) {
        const std::string_view written =
            model::DefinitionText(text).Slice(statement.nameStart, statement.nameEnd);
        if (written.empty() || LookupName(written) != lowerName) continue;
        PartUse use;
        use.path = std::string(path);
        use.openText = openText;
        use.statement = statement.statement;
        use.name = std::string(written);
        use.offset = statement.nameStart;
        use.line = lines.LineOf(statement.nameStart);
        const std::string_view line = LineAround(text, statement.nameStart);
        use.column = statement.nameStart - Cursor(line.data() - text.data()) + 1;
        use.lineText = std::string(line);
        uses.push_back(std::move(use));
    }
}

// Searches the files of the stock trees that the walk hands on.
class TreeSearch final : public stockindex::StockTreeVisitor {
  public:
    TreeSearch(const std::string& lowerName, const NameFilter& filter, std::set<FileKey> open,
               PartUses& result)
        : lowerName_(lowerName), filter_(filter), open_(std::move(open)), result_(result) {}

    void File(const std::string& path, std::string_view content) override {
        // A file that is open was searched as it stands in the editor.
        if (IsOpen(path)) return;
        ++result_.filesSearched;
        const std::vector<Cursor> places = filter_.Places(content);
        if (places.empty()) return;
        CollectUses(content, places, lowerName_, path, -1, result_.uses);
    }

  private:
    bool IsOpen(const std::string& path) const {
        if (open_.empty()) return false;
        const auto identity = platform::IdentifyFile(path);
        return identity && open_.contains({identity->device, identity->inode});
    }

    const std::string& lowerName_;
    const NameFilter& filter_;
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

    const NameFilter filter(lowerName);
    std::set<FileKey> openFiles;
    result.filesSearched = open.size();
    for (std::size_t i = 0; i < open.size(); ++i) {
        CollectUses(open[i].text, filter.Places(open[i].text), lowerName, open[i].path, int(i),
                    result.uses);
        if (open[i].path.empty()) continue;
        if (const auto identity = platform::IdentifyFile(open[i].path)) {
            openFiles.insert({identity->device, identity->inode});
        }
    }

    TreeSearch search(lowerName, filter, std::move(openFiles), result);
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

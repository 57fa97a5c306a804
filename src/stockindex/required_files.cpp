#include "stockindex/required_files.h"

#include <memory>
#include <optional>

#include "model/characters.h"
#include "model/definition_loader.h"
#include "model/scanning.h"
#include "platform/ascii.h"
#include "platform/mapped_file.h"
#include "stockindex/index_format.h"
#include "stockindex/index_lines.h"

namespace lumtrak::stockindex {
namespace {

using model::Cursor;
using model::DefinitionText;
using model::StartsWithIgnoringCase;

constexpr std::string_view kListLineEnd = "\r\n";

// The index, read once on the first include that needs it; a missing or
// unreadable index knows no names.
class IndexForLookup {
  public:
    explicit IndexForLookup(const std::string& programFolder) : programFolder_(programFolder) {}

    const IndexLines* Lines() {
        if (!read_) {
            read_ = true;
            platform::NullMessageSink quiet;
            platform::MappedFile file;
            platform::OpenMappedFile(IndexPathIn(programFolder_), file, false, quiet);
            if (file.view != nullptr) lines_ = std::make_unique<IndexLines>(file.Content());
        }
        return lines_.get();
    }

  private:
    const std::string& programFolder_;
    bool read_ = false;
    std::unique_ptr<IndexLines> lines_;
};

void AppendOnce(std::string& list, std::string_view prefix, std::string_view name) {
    if (list.find(name) != std::string::npos) return;
    list += prefix;
    list += name;
    list += kListLineEnd;
}

std::string_view FileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// The quoted bitmap name around the ".bmp" at p; p moves to its closing quote.
std::optional<std::string_view> QuotedBitmap(std::string_view bytes, Cursor definitionStart,
                                             Cursor& p) {
    const std::size_t open = bytes.substr(0, p).rfind('"');
    if (open == std::string_view::npos || open < definitionStart) return std::nullopt;
    const std::size_t close = bytes.find('"', p);
    if (close == std::string_view::npos) return std::nullopt;
    p = close;
    return bytes.substr(open + 1, close - open - 1);
}

// The stock name of the include at p: after the keyword and three numbers and
// one '!', every byte above 0x1F (signed). p moves to the byte that ends it.
std::string_view IncludedName(const DefinitionText& text, Cursor& p) {
    for (int field = 0; field < 4; ++field)
        model::SkipField(text, p);
    if (text[p] == '!') ++p;
    const Cursor start = p;
    while (model::Signed(text[p]) > 0x1F)
        ++p;
    if (start >= text.End()) return {};
    return text.Bytes().substr(start, p - start);
}

}  // namespace

std::string CollectRequiredFiles(std::string_view bytes, std::size_t caret,
                                 const std::function<const IndexLines*()>& index) {
    const DefinitionText text(bytes);
    const Cursor start = model::FindDefinitionStart(text, caret);
    std::string list;
    for (Cursor p = start; p < text.End(); ++p) {
        if (StartsWithIgnoringCase(text, p, ".bmp")) {
            if (auto bitmap = QuotedBitmap(bytes, start, p)) AppendOnce(list, "\t", *bitmap);
        }
        if (StartsWithIgnoringCase(text, p, "include")) {
            const std::string_view name = IncludedName(text, p);
            if (const IndexLines* lines = index()) {
                if (auto rest = FindByNamePrefix(*lines, name)) {
                    AppendOnce(list, "",
                               FileNameOf(platform::TrimEnd(*rest, platform::kAsciiSpace)));
                }
            }
        }
        if (StartsWithIgnoringCase(text, p, "[end]")) break;
    }
    return list;
}

std::string CollectRequiredFiles(std::string_view text, std::size_t caret,
                                 const std::string& programFolder) {
    IndexForLookup index(programFolder);
    return CollectRequiredFiles(text, caret, [&] { return index.Lines(); });
}

}  // namespace lumtrak::stockindex

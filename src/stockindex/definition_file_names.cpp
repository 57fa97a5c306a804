#include "stockindex/definition_file_names.h"

#include "model/characters.h"
#include "platform/mapped_file.h"
#include "stockindex/find_first_of.h"

namespace lumtrak::stockindex {
namespace {

using model::IsAboveBlank;
using model::StartsWithIgnoringCase;

constexpr std::string_view kNameWord = "name";

// The byte at pos, or the zero byte that follows the content.
char At(std::string_view bytes, std::size_t pos) {
    return pos < bytes.size() ? bytes[pos] : '\0';
}

bool IsKeywordAt(std::string_view bytes, std::size_t p) {
    return StartsWithIgnoringCase(bytes.substr(p), kNameWord) &&
           (p == 0 || !IsAboveBlank(bytes[p - 1])) &&
           !IsAboveBlank(At(bytes, p + kNameWord.size()));
}

bool EndsName(std::string_view bytes, std::size_t p) {
    const char c = bytes[p];
    return model::IsLineEnd(c) || c == '#' || (c == '/' && At(bytes, p + 1) == '/');
}

// The name after the keyword at p; p is left on the byte that ended it.
std::string TakeName(std::string_view bytes, std::size_t& p) {
    p += kNameWord.size();
    while (p < bytes.size() && !IsAboveBlank(bytes[p]))
        ++p;
    if (p >= bytes.size()) return {};
    const std::size_t start = p++;  // the first byte belongs to the name whatever it is
    while (p < bytes.size() && !EndsName(bytes, p))
        ++p;
    return std::string(bytes.substr(start, p - start));
}

}  // namespace

std::vector<IndexedName> IndexedNames(std::string_view bytes) {
    std::vector<IndexedName> names;
    for (std::size_t p = 0; p < bytes.size(); ++p) {
        p = FindFirstOf(bytes, p, kNameWord);
        if (p >= bytes.size() || !IsKeywordAt(bytes, p)) continue;
        std::string name = TakeName(bytes, p);
        // What the definition is marked as is decided by what comes first after
        // its name: "hide" or "component" mark it, its "[end]" does not.
        p = FindFirstOf(bytes, p, "hide", "[end]", "component");
        const std::string_view rest = bytes.substr(p);
        const bool marked =
            StartsWithIgnoringCase(rest, "hide") || StartsWithIgnoringCase(rest, "component");
        names.push_back({std::move(name), marked});
    }
    return names;
}

void WriteEntries(std::string_view bytes, std::string_view path, IndexWriter& out) {
    for (const IndexedName& indexed : IndexedNames(bytes))
        out.Entry(indexed.name, path, indexed.marked);
}

void IndexDefinitionFile(const std::string& path, IndexWriter& out,
                         platform::MessageSink& messages) {
    platform::MappedFile file;
    platform::OpenMappedFile(path, file, true, messages);
    if (file.view == nullptr) return;
    WriteEntries(file.Content(), path, out);
    platform::CloseMappedFile(file);
}

}  // namespace lumtrak::stockindex

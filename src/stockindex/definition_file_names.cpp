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
std::string_view TakeName(std::string_view bytes, std::size_t& p) {
    p += kNameWord.size();
    while (p < bytes.size() && !IsAboveBlank(bytes[p]))
        ++p;
    if (p >= bytes.size()) return {};
    const std::size_t start = p++;  // the first byte belongs to the name whatever it is
    while (p < bytes.size() && !EndsName(bytes, p))
        ++p;
    return bytes.substr(start, p - start);
}

// Calls visit(name, marked) for each name indexed in bytes, in file order.
template <typename Visit>
void VisitIndexedNames(std::string_view bytes, Visit&& visit) {
    static const PatternSearch nameWord(kNameWord);
    // What the definition is marked as is decided by what comes first after
    // its name: "hide" or "component" mark it, its "[end]" does not.
    static const PatternSearch markers("hide", "[end]", "component");
    for (std::size_t p = 0; p < bytes.size(); ++p) {
        p = nameWord.FindIn(bytes, p);
        if (p >= bytes.size() || !IsKeywordAt(bytes, p)) continue;
        const std::string_view name = TakeName(bytes, p);
        p = markers.FindIn(bytes, p);
        const std::string_view rest = bytes.substr(p);
        visit(name,
              StartsWithIgnoringCase(rest, "hide") || StartsWithIgnoringCase(rest, "component"));
    }
}

}  // namespace

std::vector<IndexedName> IndexedNames(std::string_view bytes) {
    std::vector<IndexedName> names;
    VisitIndexedNames(bytes, [&names](std::string_view name, bool marked) {
        names.push_back({std::string(name), marked});
    });
    return names;
}

void WriteEntries(std::string_view bytes, std::string_view path, IndexWriter& out) {
    VisitIndexedNames(
        bytes, [&out, path](std::string_view name, bool marked) { out.Entry(name, path, marked); });
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

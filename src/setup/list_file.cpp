#include "setup/list_file.h"

#include "model/characters.h"
#include "platform/line_pieces.h"

namespace lumtrak::setup {
namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string_view FirstWord(std::string_view piece) {
    // A zero byte ends the piece as it ends a C string.
    piece = piece.substr(0, piece.find('\0'));
    std::size_t start = 0;
    while (start < piece.size() && model::IsAtOrBelowBlank(piece[start]))
        ++start;
    std::size_t end = start;
    while (end < piece.size() && model::IsAboveBlank(piece[end]))
        ++end;
    return piece.substr(start, end - start);
}

ListEntry SubFolderEntry(std::string_view path) {
    if (!path.empty() && IsSeparator(path.front())) return {ListEntry::Kind::Unsafe, {}};
    std::string name;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t end = pos;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        const std::string_view component = path.substr(pos, end - pos);
        pos = end + 1;
        if (component.empty() || component == ".") continue;
        if (component == "..") return {ListEntry::Kind::Unsafe, {}};
        if (!name.empty()) name += '/';
        name += component;
    }
    return {ListEntry::Kind::SubFolder, std::move(name)};
}

}  // namespace

std::vector<std::string> ListFileWords(std::string_view content) {
    std::vector<std::string> words;
    for (std::string_view piece : platform::LinePieces(content)) {
        const std::string_view word = FirstWord(piece);
        if (!word.empty()) words.emplace_back(word);
    }
    return words;
}

ListEntry ClassifyListWord(std::string_view word) {
    if (word.empty()) return {ListEntry::Kind::Unsafe, {}};
    if (IsSeparator(word.front())) return SubFolderEntry(word.substr(1));
    for (char c : word) {
        if (IsSeparator(c)) return {ListEntry::Kind::Unsafe, {}};
    }
    if (word == "." || word == "..") return {ListEntry::Kind::Unsafe, {}};
    return {ListEntry::Kind::File, std::string(word)};
}

}  // namespace lumtrak::setup

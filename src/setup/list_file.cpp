#include "setup/list_file.h"

#include <algorithm>
#include <cstring>

namespace lumtrak::setup {
namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsWordByte(char c) {
    return static_cast<unsigned char>(c) > 0x20;
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

std::string_view ListWord(std::string_view piece) {
    // A zero byte ends the piece as it ends a C string.
    piece = piece.substr(0, piece.find('\0'));
    const auto start = std::find_if(piece.begin(), piece.end(), IsWordByte);
    const auto end = std::find_if_not(start, piece.end(), IsWordByte);
    return piece.substr(std::size_t(start - piece.begin()), std::size_t(end - start));
}

std::optional<std::string_view> ListWordReader::Next() {
    while (const auto piece = pieces_.Next()) {
        const std::string_view word = ListWord(*piece);
        if (!word.empty()) return word;
    }
    return std::nullopt;
}

std::vector<std::string> ListFileWords(std::string_view content) {
    ListWordReader reader([&content](std::span<char> into) {
        const std::size_t size = std::min(into.size(), content.size());
        std::memcpy(into.data(), content.data(), size);
        content.remove_prefix(size);
        return std::ptrdiff_t(size);
    });
    std::vector<std::string> words;
    while (const auto word = reader.Next())
        words.emplace_back(*word);
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

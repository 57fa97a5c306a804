#include "parts/completion.h"

#include <algorithm>
#include <unordered_set>

#include "model/characters.h"
#include "model/statement_words.h"
#include "parts/name_lines.h"
#include "platform/ascii.h"
#include "platform/file_lookup.h"
#include "platform/folder_listing.h"
#include "platform/whole_file.h"
#include "stockindex/index_format.h"
#include "stockindex/index_lines.h"

namespace lumtrak::parts {
namespace {

std::string Lower(std::string_view text) {
    return model::ToLowerAscii(std::string(text));
}

bool IsAlphanumeric(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool BeginsWord(std::string_view text, std::size_t pos) {
    return pos == 0 || (!IsAlphanumeric(text[pos - 1]) && IsAlphanumeric(text[pos]));
}

bool HoldsInOrder(std::string_view text, std::string_view letters) {
    std::size_t at = 0;
    for (char c : text) {
        if (at < letters.size() && c == letters[at]) ++at;
    }
    return at == letters.size();
}

std::string WithoutTrailingBlanks(std::string_view name) {
    return std::string(platform::TrimEnd(name, " \t"));
}

}  // namespace

int Closeness(std::string_view typed, std::string_view candidate) {
    const std::string wanted = Lower(typed);
    const std::string text = Lower(candidate);
    if (wanted.empty()) return 1;
    if (text == wanted) return 0;
    if (text.starts_with(wanted)) return 1;
    for (std::size_t at = text.find(wanted); at != std::string::npos;
         at = text.find(wanted, at + 1)) {
        if (BeginsWord(text, at)) return 2;
    }
    if (text.find(wanted) != std::string::npos) return 3;
    if (HoldsInOrder(text, wanted)) return 4;
    return -1;
}

std::vector<CompletionCandidate> RankCandidates(std::string_view typed,
                                                std::vector<CompletionCandidate> candidates) {
    struct Ranked {
        int closeness;
        std::string lower;
        CompletionCandidate candidate;
    };
    std::vector<Ranked> ranked;
    std::unordered_set<std::string> seen;
    for (auto& candidate : candidates) {
        std::string lower = Lower(candidate.text);
        if (!seen.insert(lower).second) continue;
        const int closeness = Closeness(typed, candidate.text);
        if (closeness < 0) continue;
        ranked.push_back({closeness, std::move(lower), std::move(candidate)});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.closeness != b.closeness) return a.closeness < b.closeness;
        if (a.lower.size() != b.lower.size()) return a.lower.size() < b.lower.size();
        return a.lower < b.lower;
    });
    std::vector<CompletionCandidate> result;
    result.reserve(ranked.size());
    for (auto& entry : ranked)
        result.push_back(std::move(entry.candidate));
    return result;
}

std::vector<CompletionCandidate> StatementWordCandidates() {
    std::vector<CompletionCandidate> words;
    for (auto statement = model::Statement::Fill; statement <= model::Statement::CloseGroup;
         statement = model::Statement(int(statement) + 1)) {
        using model::Statement;
        if (statement == Statement::Comment || statement == Statement::OpenGroup ||
            statement == Statement::CloseGroup) {
            continue;
        }
        words.push_back({std::string(model::StatementWord(statement)), {}});
    }
    return words;
}

std::vector<CompletionCandidate> PartNameCandidates(std::string_view text,
                                                    std::string_view textLabel,
                                                    const std::string& programFolder) {
    std::vector<CompletionCandidate> names;
    for (std::string& name : NamesDefinedIn(text))
        names.push_back({std::move(name), std::string(textLabel)});
    const auto index = platform::ReadWholeFile(stockindex::IndexPathIn(programFolder));
    if (!index) return names;
    for (const auto& entry : stockindex::ReadIndexEntries(*index)) {
        std::string name = WithoutTrailingBlanks(entry.name);
        if (!name.empty()) names.push_back({std::move(name), entry.path});
    }
    return names;
}

std::vector<std::string> TextureFolders(const std::string& documentFolder,
                                        const std::string& programFolder) {
    std::vector<std::string> folders;
    if (!documentFolder.empty()) folders.push_back(documentFolder);
    std::string textures = programFolder;
    if (textures.empty() || textures.back() != '/') textures += '/';
    textures += "Textures";
    folders.push_back(platform::FindPathIgnoringCase(textures).value_or(textures));
    return folders;
}

std::vector<CompletionCandidate> TextureFileCandidates(std::span<const std::string> folders) {
    std::vector<CompletionCandidate> files;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const auto entries = platform::ListFolder(folder);
        if (!entries) continue;
        for (const auto& entry : *entries) {
            if (entry.kind != platform::FolderEntry::Kind::File) continue;
            const std::string_view name = entry.name;
            if (name.size() < 4 || Lower(name.substr(name.size() - 4)) != ".bmp") continue;
            files.push_back({entry.name, folder});
        }
    }
    return files;
}

}  // namespace lumtrak::parts

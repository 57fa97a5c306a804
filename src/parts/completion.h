#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::parts {

// A text that a completion may insert, with where it comes from (a file, a
// folder; empty for a statement word).
struct CompletionCandidate {
    std::string text;
    std::string detail;
    bool operator==(const CompletionCandidate&) const = default;
};

// How closely a candidate matches what was typed, both compared without regard
// to case: 0 the same, 1 it begins with it, 2 one of its words begins with it,
// 3 it holds it, 4 it holds its letters in order; -1 no match. Everything
// matches nothing typed, as 1.
int Closeness(std::string_view typed, std::string_view candidate);

// The candidates that match typed, closest first; among equally close ones
// the shorter first, then in alphabetical order (any case). Of candidates with
// the same text (any case) only the first stays.
std::vector<CompletionCandidate> RankCandidates(std::string_view typed,
                                                std::vector<CompletionCandidate> candidates);

// The words of the loader's statements, in its order ("fill", "colour",
// ...), without the comment marks and the group braces.
std::vector<CompletionCandidate> StatementWordCandidates();

// The names of the definitions that text defines (detail: textLabel) and then
// of the entries of the "Stock Index" of programFolder (detail: the entry's
// path), as written in their "name" lines without trailing blanks.
std::vector<CompletionCandidate> PartNameCandidates(std::string_view text,
                                                    std::string_view textLabel,
                                                    const std::string& programFolder);

// The folders that a texture named in a document is looked for in, in turn:
// the document's folder, then the program folder's "Textures" (any case).
std::vector<std::string> TextureFolders(const std::string& documentFolder,
                                        const std::string& programFolder);

// The names of the ".bmp" files (any case) of the folders, in turn (detail:
// the folder).
std::vector<CompletionCandidate> TextureFileCandidates(std::span<const std::string> folders);

}  // namespace lumtrak::parts

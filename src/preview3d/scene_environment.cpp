#include "preview3d/scene_environment.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/characters.h"
#include "platform/file_lookup.h"
#include "platform/mapped_file.h"
#include "platform/program_folder.h"

namespace lumtrak::preview3d {
namespace {

// The folder of a file opened by a path relative to the current folder.
std::string FolderOf(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(std::filesystem::path(path), error);
    return error ? std::string() : absolute.parent_path().string();
}

// The whole content of a file, read through the mapped-file reader (which
// shows its messages), or nothing.
struct ReadFile {
    std::string content;
    std::string key;
};
std::optional<ReadFile> ReadMapped(const std::string& path, platform::MessageSink& messages) {
    platform::MappedFile mapped;
    platform::OpenMappedFile(path, mapped, true, messages);
    if (mapped.view == nullptr) return std::nullopt;
    ReadFile file{std::string(mapped.Content()), {}};
    if (const auto identity = platform::IdentifyOpenFile(mapped.fileHandle)) {
        file.key =
            "file:" + std::to_string(identity->device) + ":" + std::to_string(identity->inode);
    } else {
        file.key = "path:" + std::string(platform::TrimPath(path));
    }
    platform::CloseMappedFile(mapped);
    return file;
}

}  // namespace

SceneSource::SceneSource(model::DefinitionText text, std::string key, std::string folder)
    : text_(text), key_(std::move(key)), folder_(std::move(folder)) {}

const CandidateRanges& SceneSource::Names(bool trimmed) {
    auto& names = trimmed ? trimmedNames_ : untrimmedNames_;
    if (!names) names = FindDefinitionNames(text_, trimmed);
    return *names;
}

model::Cursor SceneSource::DefinitionStart(model::Cursor pos) {
    if (!ends_) {
        ends_.emplace();
        for (model::Cursor p = 1; p < text_.End(); ++p) {
            if (text_[p] == '[' && model::StartsWithIgnoringCase(text_, p, "[end]")) {
                ends_->push_back(p);
            }
        }
    }
    // The last "[end]" at or before pos.
    const auto after = std::upper_bound(ends_->begin(), ends_->end(), pos);
    return after == ends_->begin() ? 0 : *(after - 1) + 5;
}

std::string MemoryTextKey(const model::DefinitionText& text) {
    return "text:" + std::to_string(reinterpret_cast<std::uintptr_t>(text.Data())) + ":" +
           std::to_string(text.End());
}

std::optional<std::string> IncludedFiles::IndexPathFor(std::string_view lowerName,
                                                       platform::MessageSink& messages) {
    platform::EnterProgramFolder();
    if (!index_) {
        auto read = ReadMapped("Stock Index", messages);
        if (!read) return std::nullopt;
        index_ = std::make_unique<Index>();
        index_->content = std::move(read->content);
        index_->text = model::DefinitionText(index_->content);
        index_->keys = FindIndexKeys(index_->text);
    }
    const auto afterTab = index_->keys.Find(lowerName);
    if (!afterTab) return std::nullopt;
    return std::string(IndexPathAt(index_->text, *afterTab));
}

SceneSource* IncludedFiles::Open(const std::string& path, platform::MessageSink& messages) {
    if (auto found = files_.find(path); found != files_.end()) return found->second.source.get();
    auto read = ReadMapped(path, messages);
    if (!read) return nullptr;
    File& file = files_[path];
    file.content = std::move(read->content);
    file.source =
        std::make_unique<SceneSource>(model::DefinitionText(file.content), std::move(read->key),
                                      FolderOf(std::string(platform::TrimPath(path))));
    return file.source.get();
}

void SceneEnvironment::SpendBudget() {
    if (budget.spent) return;
    budget.spent = true;
    notes.push_back(model::LoadBudgetNote(limits));
}

void SceneEnvironment::StartBuild() {
    budget = model::LoadBudget{};
    chain.clear();
    files = std::make_unique<IncludedFiles>();
}

}  // namespace lumtrak::preview3d

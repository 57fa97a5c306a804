#include "preview3d/scene_environment.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/characters.h"
#include "platform/file_lookup.h"
#include "platform/folder_lookup.h"
#include "platform/mapped_file.h"
#include "platform/program_folder.h"

namespace lumtrak::preview3d {
namespace {

// The folder of a file at path, a relative path being taken in the program folder.
std::string FolderOf(const std::string& programFolder, const std::string& path) {
    std::filesystem::path file(path);
    if (file.is_relative()) file = std::filesystem::path(programFolder) / file;
    return file.parent_path().string();
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

model::IncludeFolder& IncludedFiles::ProgramFolder() {
    if (!programFolder_) programFolder_.emplace(platform::ProgramFolder());
    return *programFolder_;
}

std::optional<std::string> IncludedFiles::IndexPathFor(std::string_view lowerName,
                                                       platform::MessageSink& messages) {
    if (!index_) {
        model::IncludeFolder& program = ProgramFolder();
        platform::MappedFile file;
        platform::OpenMappedFile(program.lookup, program.folder, "Stock Index", file, true,
                                 messages);
        if (file.view == nullptr) return std::nullopt;
        const std::string indexPath = program.path + "/Stock Index";
        read_.push_back(platform::FindPathIgnoringCase(indexPath).value_or(indexPath));
        index_ = std::make_unique<Index>();
        index_->content = file.TakeContent();
        index_->text = model::DefinitionText(index_->content);
        index_->keys = FindIndexKeys(index_->text);
    }
    const auto afterTab = index_->keys.Find(lowerName);
    if (!afterTab) return std::nullopt;
    return std::string(IndexPathAt(index_->text, *afterTab));
}

SceneSource* IncludedFiles::Open(const std::string& path, std::size_t largestFile,
                                 platform::MessageSink& messages, bool& tooLarge) {
    if (auto found = files_.find(path); found != files_.end()) return found->second.source.get();
    model::IncludeFolder& program = ProgramFolder();
    model::OpenedInclude opened(program, path, messages);
    if (!opened.IsOpen()) return nullptr;
    if (opened.LargerThan(largestFile)) {
        tooLarge = true;
        return nullptr;
    }
    read_.push_back(opened.RealPath());
    auto content = opened.Read(messages);
    if (!content) return nullptr;

    File& file = files_[path];
    file.content = std::move(*content);
    file.source = std::make_unique<SceneSource>(
        model::DefinitionText(file.content), opened.SourceKey(),
        FolderOf(program.path, std::string(platform::TrimPath(path))));
    return file.source.get();
}

void SceneEnvironment::SpendBudget() {
    if (budget.spent) return;
    budget.spent = true;
    notes.push_back(model::LoadBudgetNote(limits));
}

void SceneEnvironment::StartBuild() {
    budget = model::LoadBudget{};
    textures.ForgetChangedTextures();
    textures.StartLoad();
    chain.clear();
    files = std::make_unique<IncludedFiles>();
}

std::vector<std::string> SceneEnvironment::FilesRead() const {
    std::vector<std::string> read = files->Files();
    for (std::string& texture : textures.FilesUsedInLoad()) {
        if (std::find(read.begin(), read.end(), texture) == read.end()) {
            read.push_back(std::move(texture));
        }
    }
    return read;
}

}  // namespace lumtrak::preview3d

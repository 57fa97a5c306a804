#include "model/definition_loader.h"

#include <filesystem>
#include <memory>
#include <utility>

#include "model/characters.h"
#include "model/definition_reader.h"
#include "model/include_cache.h"
#include "model/load_record.h"
#include "model/name_directory.h"
#include "model/problem_sink.h"
#include "model/texture_registry.h"
#include "platform/mapped_file.h"
#include "platform/program_folder.h"

namespace lumtrak::model {
namespace {

std::string TextKey(const DefinitionText& text) {
    return "text:" + std::to_string(reinterpret_cast<std::uintptr_t>(text.Data())) + ":" +
           std::to_string(text.End());
}

// The includes of the definitions read from one text.
class SourceIncludes final : public IncludeResolver {
  public:
    SourceIncludes(SourceText& source, LoadEnvironment& environment)
        : source_(source), environment_(environment) {}

    IncludeOutcome Resolve(StockModel& model, std::string_view name, std::int32_t offX,
                           std::int32_t offY, std::int32_t offZ, const SideMask& sides,
                           bool turned) override {
        return ResolveInclude(model, name, offX, offY, offZ, source_, sides, turned, environment_);
    }

    void Named(const PartStatementRead& statement) override {
        LoadRecord* record = environment_.record;
        if (record == nullptr) return;
        record->PartNamed(statement, {source_.text, source_.key, source_.path});
        // A moving part is read into no model, only for the record.
        if (IsMotion(statement.statement) && record->FollowsMotions()) {
            // Nor is it checked: its problems are not the definition's.
            ProblemSink* problems = std::exchange(environment_.problems, nullptr);
            StockModel unused;
            ResolveInclude(unused, source_.text.Slice(statement.nameStart, statement.nameEnd), 0, 0,
                           0, source_, SideMask::AllVisible(), false, environment_);
            environment_.problems = problems;
        }
    }

  private:
    SourceText& source_;
    LoadEnvironment& environment_;
};

// Reads the definition at cursor in source, resolving its includes there.
void Read(StockModel& model, SourceText& source, Cursor& cursor, const SideMask& sides,
          std::optional<TextSelection> highlight, std::int32_t offX, std::int32_t offY,
          std::int32_t offZ, bool turned, LoadEnvironment& environment) {
    SourceIncludes includes(source, environment);
    DefinitionReader(model, source.text, cursor, sides, highlight, offX, offY, offZ, turned,
                     includes, environment)
        .Run();
}

// Loads a definition found for an include unless it is already being loaded or
// the includes nest too deep.
IncludeOutcome LoadIncluded(StockModel& model, SourceText& source, Cursor start,
                            const SideMask& sides, std::int32_t offX, std::int32_t offY,
                            std::int32_t offZ, bool turned, LoadEnvironment& environment) {
    DefinitionIdentity identity{source.key, source.Names().DefinitionStart(start)};
    if (environment.chain.size() > LoadEnvironment::kMaxIncludeDepth) {
        return IncludeOutcome::TooDeep;
    }
    for (const auto& loading : environment.chain) {
        if (loading == identity) return IncludeOutcome::Cycle;
    }
    environment.chain.push_back(std::move(identity));
    if (environment.record != nullptr) environment.record->EnterPart();
    Cursor cursor = start;
    Read(model, source, cursor, sides, std::nullopt, offX, offY, offZ, turned, environment);
    if (environment.record != nullptr) environment.record->LeavePart();
    environment.chain.pop_back();
    return IncludeOutcome::Loaded;
}

// The folder of a file that an index line names (a relative path: in the
// program folder).
std::string FolderOfIndexedFile(const std::string& programFolder, std::string_view path) {
    std::filesystem::path file{std::string(platform::TrimPath(path))};
    if (file.is_relative()) file = std::filesystem::path(programFolder) / file;
    return file.parent_path().string();
}

}  // namespace

std::string LoadBudgetNote(const LoadLimits& limits) {
    return "include budget spent: further includes placed nothing (a load places at most " +
           std::to_string(limits.includes) + " includes and " + std::to_string(limits.panels) +
           " panels, and reads at most " + std::to_string(limits.includedBytes) +
           " bytes of included definitions)";
}

std::string OwnPanelBudgetNote(const LoadLimits& limits) {
    return "panel budget spent: further panels placed nothing (a load places at most " +
           std::to_string(limits.ownPanels) + " panels of its own text)";
}

bool CountOwnPanel(const LoadLimits& limits, LoadBudget& budget, std::vector<std::string>& notes) {
    if (++budget.ownPanels <= limits.ownPanels) return true;
    if (!budget.ownPanelsSpent) notes.push_back(OwnPanelBudgetNote(limits));
    budget.ownPanelsSpent = true;
    return false;
}

bool LoadEnvironment::SpendBudget() {
    if (budget.spent) return false;
    budget.spent = true;
    notes.push_back(LoadBudgetNote(limits));
    return true;
}

const NameDirectory& SourceText::Names() {
    if (names == nullptr) {
        ownedNames_ = std::make_shared<const NameDirectory>(text);
        names = ownedNames_.get();
    }
    return *names;
}

Cursor FindDefinitionStart(const DefinitionText& text, Cursor pos) {
    for (Cursor p = std::min(pos, text.End());; --p) {
        if (p == 0) return 0;
        if (StartsWithIgnoringCase(text, p, "[end]")) return p + 5;
    }
}

void LoadDefinition(StockModel& model, const DefinitionText& text, Cursor& cursor,
                    const SideMask& sides, std::optional<TextSelection> highlight,
                    std::int32_t offX, std::int32_t offY, std::int32_t offZ, bool turned,
                    LoadEnvironment& environment) {
    SourceText source = MemorySource(text);
    LoadDefinition(model, source, cursor, sides, highlight, offX, offY, offZ, turned, environment);
}

SourceText MemorySource(const DefinitionText& text) {
    return SourceText{text, TextKey(text)};
}

void LoadDefinition(StockModel& model, SourceText& source, Cursor& cursor, const SideMask& sides,
                    std::optional<TextSelection> highlight, std::int32_t offX, std::int32_t offY,
                    std::int32_t offZ, bool turned, LoadEnvironment& environment) {
    const DefinitionText& text = source.text;
    const bool outermost = environment.chain.empty();
    if (outermost) {
        environment.budget = LoadBudget{};
        environment.indexLookup = {};
        environment.textures.StartLoad();
        environment.chain.push_back({source.key, FindDefinitionStart(text, cursor)});
    }
    Read(model, source, cursor, sides, highlight, offX, offY, offZ, turned, environment);
    if (outermost) {
        environment.chain.clear();
        for (std::string& note : environment.textures.TakeNotes())
            environment.notes.push_back(std::move(note));
    }
}

std::optional<FoundDefinition> FindIncludedDefinition(std::string_view lowerName,
                                                      SourceText& source,
                                                      LoadEnvironment& environment,
                                                      IncludeOutcome* whyNot) {
    if (whyNot != nullptr) *whyNot = IncludeOutcome::NotFound;
    if (auto found = source.Names().Find(lowerName)) return FoundDefinition{nullptr, *found, {}};

    auto& lookup = environment.indexLookup;
    if (!lookup.done) {
        lookup.programFolder = IncludeFolder(platform::ProgramFolder());
        lookup.index = environment.includes.StockIndexIn(lookup.programFolder);
        lookup.done = true;
        if (environment.record != nullptr && lookup.index != nullptr) {
            environment.record->FileRead(environment.includes.StockIndexPath());
        }
    }
    const PartIndex* index = lookup.index;
    if (index == nullptr) return std::nullopt;
    // Copied: loading the part may read the index again and replace it.
    const std::vector<std::string> paths = index->PathsFor(lowerName);
    for (const std::string& path : paths) {
        std::shared_ptr<const IncludeFile>& opened = lookup.openedFiles[path];
        // A file that fails is tried again, and reported, every time.
        if (!opened) {
            const auto read = environment.includes.OpenDefinitionFile(
                lookup.programFolder, path, environment.limits.includedBytes, environment.messages);
            if (read.tooLarge) {
                const bool spentNow = environment.SpendBudget();
                if (whyNot != nullptr) {
                    *whyNot = spentNow ? IncludeOutcome::BudgetSpent : IncludeOutcome::Skipped;
                }
                return std::nullopt;
            }
            opened = read.file;
        }
        std::shared_ptr<const IncludeFile> file = opened;
        if (!file) {
            if (whyNot != nullptr) *whyNot = IncludeOutcome::Unreadable;
            continue;
        }
        if (environment.record != nullptr) environment.record->FileRead(file->path);
        if (auto found = file->names.Find(lowerName))
            return FoundDefinition{std::move(file), *found, path};
    }
    return std::nullopt;
}

IncludeOutcome ResolveInclude(StockModel& model, std::string_view name, std::int32_t offX,
                              std::int32_t offY, std::int32_t offZ, SourceText& source,
                              const SideMask& sides, bool turned, LoadEnvironment& environment) {
    if (name.empty()) return IncludeOutcome::NoName;
    if (environment.budget.spent) return IncludeOutcome::Skipped;
    if (++environment.budget.includes > environment.limits.includes) {
        environment.SpendBudget();
        return IncludeOutcome::BudgetSpent;
    }
    std::string wanted = ToLowerAscii(std::string(name));
    if (wanted.front() == '!') {
        wanted.erase(0, 1);
        turned = !turned;
    }

    IncludeOutcome missing = IncludeOutcome::NotFound;
    const auto found = FindIncludedDefinition(wanted, source, environment, &missing);
    if (!found) return missing;
    if (!found->file) {
        if (environment.record != nullptr) {
            environment.record->PartFound({source.text, source.key, source.path}, found->start);
        }
        return LoadIncluded(model, source, found->start, sides, offX, offY, offZ, turned,
                            environment);
    }
    const IncludeFile& file = *found->file;
    SourceText fileSource{file.text, file.sourceKey, &file.names, file.path};
    if (environment.record != nullptr) {
        environment.record->PartFound({fileSource.text, fileSource.key, fileSource.path},
                                      found->start);
    }
    if (environment.problems) environment.problems->PartFile(file.text, found->indexedPath);
    std::string textureFolder;
    if (environment.texturesBesideParts) {
        textureFolder =
            FolderOfIndexedFile(environment.indexLookup.programFolder.path, found->indexedPath);
        std::swap(textureFolder, environment.textureFolder);
    }
    const IncludeOutcome outcome =
        LoadIncluded(model, fileSource, found->start, sides, offX, offY, offZ, turned, environment);
    if (environment.texturesBesideParts) std::swap(textureFolder, environment.textureFolder);
    return outcome;
}

void LoadDefinitionAt(StockModel& model, const DefinitionText& text, TextSelection selection,
                      bool highlight, LoadEnvironment& environment) {
    Cursor cursor = FindDefinitionStart(text, selection.start);
    std::optional<TextSelection> range;
    if (highlight) range = selection;
    LoadDefinition(model, text, cursor, SideMask::AllVisible(), range, 0, 0, 0, false, environment);
}

}  // namespace lumtrak::model

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/definition_text.h"
#include "model/include_folder.h"
#include "platform/message_sink.h"

// What a load of definitions reads besides the text, and the state that one
// top-level load keeps across the definitions it includes.
namespace lumtrak::model {

class IncludeCache;
struct IncludeFile;
class LoadRecord;
class PartIndex;
class ProblemSink;
class TextureRegistry;

// The selection whose lines are highlighted, as byte offsets.
struct TextSelection {
    Cursor start = 0;
    Cursor end = 0;
};

// One definition on the include chain: the text it stands in and where it starts.
struct DefinitionIdentity {
    std::string sourceKey;
    Cursor start = 0;
    bool operator==(const DefinitionIdentity&) const = default;
};

// How much one top-level load may place through includes. Includes can repeat
// a part exponentially often (each part including the next one twice), so the
// work of a load is bounded by these counts rather than by its text. Past any
// of them further includes place nothing and the load notes it once. The
// loaded text's own panels stay past those counts but have a count of their
// own, so that the memory a load takes stays within a small multiple of its
// text whatever the text holds.
struct LoadLimits {
    std::size_t includes = 100'000;                     // include resolutions
    std::size_t panels = 1'000'000;                     // panels placed, the load's own included
    std::size_t includedBytes = std::size_t{64} << 20;  // text read by included definitions
    std::size_t ownPanels = 1'000'000;                  // panels of the loaded text itself
};

// What one top-level load has spent of its limits so far.
struct LoadBudget {
    std::size_t includes = 0;
    std::size_t panels = 0;
    std::size_t includedBytes = 0;
    bool spent = false;
    std::size_t ownPanels = 0;
    bool ownPanelsSpent = false;
};

// The notes a load leaves when its budget, or its own panels' count, is spent.
std::string LoadBudgetNote(const LoadLimits& limits);
std::string OwnPanelBudgetNote(const LoadLimits& limits);

// Counts one panel of the loaded text itself: false past its count, which the
// first time leaves the note in notes.
bool CountOwnPanel(const LoadLimits& limits, LoadBudget& budget, std::vector<std::string>& notes);

// What a load reads besides the text, and the state of one top-level load.
struct LoadEnvironment {
    LoadEnvironment(platform::MessageSink& messageSink, TextureRegistry& textureRegistry,
                    IncludeCache& includeCache)
        : messages(messageSink), textures(textureRegistry), includes(includeCache) {}

    platform::MessageSink& messages;
    TextureRegistry& textures;
    IncludeCache& includes;
    // The folder handed to the texture registry with every texture a fill names.
    std::string textureFolder;

    // The definitions being loaded, outermost first. A definition already on it
    // is not loaded again, and no more than kMaxIncludeDepth includes nest.
    std::vector<DefinitionIdentity> chain;
    static constexpr std::size_t kMaxIncludeDepth = 64;

    LoadLimits limits;
    // Starts afresh with every top-level load.
    LoadBudget budget;
    // Within one load the program folder is opened and its "Stock Index" looked
    // up once, and each file the index names is opened once.
    struct IndexLookup {
        bool done = false;
        IncludeFolder programFolder;
        const PartIndex* index = nullptr;
        std::unordered_map<std::string, std::shared_ptr<const IncludeFile>> openedFiles;
    } indexLookup;
    // What the load has to tell that is no message box (the command line prints
    // notes, the editor shows them on its status bar). Loads append to it.
    std::vector<std::string> notes;
    // When set, the load tells it the files it reads and the parts it names.
    LoadRecord* record = nullptr;

    // Where the load reports what it finds, or none.
    ProblemSink* problems = nullptr;
    // Whether the textures of parts read from files are looked for first in
    // the folder of their file, as the 3D preview looks for them, rather than
    // in textureFolder.
    bool texturesBesideParts = false;

    // Marks the budget spent; the first time in a load, leaves the note and
    // gives true.
    bool SpendBudget();
};

// What became of an include.
enum class IncludeOutcome {
    Loaded,
    NoName,       // an empty name asks for nothing
    NotFound,     // neither in the text nor through the index
    Unreadable,   // not found, and a file that the index names could not be read
    Cycle,        // it leads back to a definition being loaded
    TooDeep,      // includes nest deeper than LoadEnvironment::kMaxIncludeDepth
    BudgetSpent,  // this include spent the load's budget
    Skipped,      // the budget was spent before
};

}  // namespace lumtrak::model

#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/definition_text.h"
#include "model/include_folder.h"
#include "model/load_environment.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "preview3d/label_texture.h"
#include "preview3d/name_lookup.h"
#include "preview3d/text_raster.h"

namespace lumtrak::preview3d {

// A text that scene parts are read from: the document's text, or a definition
// file found through the "Stock Index".
class SceneSource {
  public:
    SceneSource(model::DefinitionText text, std::string key, std::string folder);

    const model::DefinitionText& Text() const { return text_; }
    // Tells this text from every other on the include chain.
    const std::string& Key() const { return key_; }
    // Where the textures that its fills name are looked for first.
    const std::string& Folder() const { return folder_; }

    // The names the text defines, with trailing blanks trimmed or kept.
    const CandidateRanges& Names(bool trimmed);
    // Where the definition holding pos starts: just after the nearest "[end]"
    // (any case) at or before pos, or at the start of the text.
    model::Cursor DefinitionStart(model::Cursor pos);

  private:
    model::DefinitionText text_;
    std::string key_;
    std::string folder_;
    std::optional<CandidateRanges> trimmedNames_;
    std::optional<CandidateRanges> untrimmedNames_;
    std::optional<std::vector<model::Cursor>> ends_;
};

// The key of a text held in memory, such as the document's.
std::string MemoryTextKey(const model::DefinitionText& text);

// The "Stock Index" of the program folder and the definition files that it
// names, each read once in a build. What cannot be opened is tried again, and
// its message shown again, every time it is asked for.
class IncludedFiles {
  public:
    // The path that the index line of name gives.
    std::optional<std::string> IndexPathFor(std::string_view lowerName,
                                            platform::MessageSink& messages);
    // The definition file at path (a relative path: in the program folder), or
    // null. A file of more than largestFile bytes is not read: tooLarge is set.
    SceneSource* Open(const std::string& path, std::size_t largestFile,
                      platform::MessageSink& messages, bool& tooLarge);
    // The files read so far (the index first), by their real paths, each once.
    const std::vector<std::string>& Files() const { return read_; }

  private:
    // The program folder, opened on the first look-up of the build.
    model::IncludeFolder& ProgramFolder();

    struct Index {
        std::string content;
        model::DefinitionText text;
        CandidateRanges keys;
    };
    struct File {
        std::string content;
        std::unique_ptr<SceneSource> source;
    };
    std::optional<model::IncludeFolder> programFolder_;
    std::unique_ptr<Index> index_;
    std::map<std::string, File, std::less<>> files_;
    std::vector<std::string> read_;
};

// What the scene of a preview reads besides its text, and the state of one
// build: the include budget and the definitions on the include chain start
// afresh with every build.
struct SceneEnvironment {
    SceneEnvironment(platform::MessageSink& messageSink, model::TextureRegistry& textureRegistry,
                     TextRaster& textRaster)
        : messages(messageSink), textures(textureRegistry), raster(textRaster) {}

    platform::MessageSink& messages;
    model::TextureRegistry& textures;
    CachingTextRaster raster;

    model::LoadLimits limits;
    model::LoadBudget budget;
    // What a build has to tell that is no message box; builds append to it.
    std::vector<std::string> notes;
    // Marks the budget spent; the first time in a build, leaves the note.
    void SpendBudget();

    // The definitions being built, outermost first. A definition already on it
    // is not built again, and no more than kMaxIncludeDepth includes nest.
    std::vector<model::DefinitionIdentity> chain;
    static constexpr std::size_t kMaxIncludeDepth = 64;

    std::unique_ptr<IncludedFiles> files = std::make_unique<IncludedFiles>();

    // Makes the state of a new build; textures whose files changed since they
    // were loaded load anew.
    void StartBuild();
    // The files that the build read: the index, the included definitions and
    // the textures.
    std::vector<std::string> FilesRead() const;
};

}  // namespace lumtrak::preview3d

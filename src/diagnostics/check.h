#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics/problem.h"
#include "model/include_cache.h"
#include "model/load_environment.h"
#include "platform/message_sink.h"

// Checking definition texts: each definition is loaded as the 2D preview loads
// it and drawn as its front view draws it, with its textures looked up as the
// 3D preview looks them up, and what those find is reported as problems.
namespace lumtrak::diagnostics {

// A text to check.
struct CheckedText {
    std::string_view bytes;
    std::string file;  // as the problems name it
    // The file's path: its folder is the document folder in which textures are
    // looked for, and the "Stock Index" may list it. Empty for a text that is
    // no file (standard input, a document never saved).
    std::string path;
};

struct CheckResult {
    std::vector<Problem> problems;   // by position, each once
    std::vector<std::string> notes;  // what the loads had to tell besides
};

// The definitions where the previews find them: at the start of the text and
// just after every "[end]" (any case) after its first byte.
std::vector<model::Cursor> DefinitionStarts(std::string_view text);

class Checker {
  public:
    // Includes are read through includes; the messages that the loads show
    // (a part's file that cannot be opened, a fill that overruns the text) go
    // to messages.
    Checker(model::IncludeCache& includes, platform::MessageSink& messages,
            model::LoadLimits limits = {});
    ~Checker();
    Checker(const Checker&) = delete;
    Checker& operator=(const Checker&) = delete;

    // Every definition of the text, or, given a position, only the one under it.
    // Textures are registered in a registry of the check's own, so the
    // numbers that the previews give them stay as they are.
    CheckResult Check(const CheckedText& text, std::optional<model::Cursor> only = std::nullopt);

  private:
    struct Engine;

    model::IncludeCache& includes_;
    platform::MessageSink& messages_;
    model::LoadLimits limits_;
    std::unique_ptr<Engine> engine_;
};

}  // namespace lumtrak::diagnostics

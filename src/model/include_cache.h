#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/definition_text.h"
#include "model/name_directory.h"
#include "model/part_index.h"
#include "platform/file_lookup.h"
#include "platform/message_sink.h"

namespace lumtrak::model {

// A definition file opened for an include, with the names it defines.
struct IncludeFile {
    std::string content;
    DefinitionText text;
    NameDirectory names;
    std::string sourceKey;  // tells this file from every other on the include chain

    explicit IncludeFile(std::string bytes, std::string key);
};

// The files that includes read: the "Stock Index" of the current folder and the
// definition files it names. Loading runs on every repaint of the preview, so
// both are kept between loads for as long as the file on disk is the same file
// with the same size and modification time; what a load sees is then exactly
// what reading the file again would give.
class IncludeCache {
  public:
    // readIndex reads the "Stock Index" into the part index of the loads.
    explicit IncludeCache(PartIndexReader readIndex) : readIndex_(std::move(readIndex)) {}

    // The "Stock Index" in the current folder (any case), or null when there is
    // none that can be opened.
    const PartIndex* CurrentStockIndex();

    // A definition file named by an index line, or null when it cannot be opened
    // or mapped, after the messages of the mapped-file reader.
    std::shared_ptr<const IncludeFile> OpenDefinitionFile(std::string_view path,
                                                          platform::MessageSink& messages);

    void Clear();

  private:
    struct CachedIndex {
        platform::FileIdentity identity;
        std::unique_ptr<const PartIndex> index;
    };
    struct CachedFile {
        platform::FileIdentity identity;
        std::shared_ptr<const IncludeFile> file;
    };

    static constexpr std::size_t kMaxCachedFiles = 4096;

    PartIndexReader readIndex_;
    std::optional<CachedIndex> index_;
    std::unordered_map<std::string, CachedFile> files_;
};

}  // namespace lumtrak::model

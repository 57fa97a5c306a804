#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/definition_text.h"
#include "model/include_folder.h"
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
    std::string path;       // where it was read: its real path, or the path it was opened by

    IncludeFile(std::string bytes, std::string key, std::string realPath = {});
};

// The files that includes read: the "Stock Index" of the program folder and the
// definition files it names. Loading runs on every repaint of the preview, so
// both are kept between loads for as long as the file on disk is the same file
// with the same size and modification time, and was read long enough after its
// modification for those to tell a later one (IdentityTellsChanges); what a
// load sees is then exactly what reading the file again would give.
class IncludeCache {
  public:
    // readIndex reads the "Stock Index" into the part index of the loads.
    explicit IncludeCache(PartIndexReader readIndex) : readIndex_(std::move(readIndex)) {}

    // The "Stock Index" of the folder (any case), or null when there is none
    // that can be opened.
    const PartIndex* StockIndexIn(IncludeFolder& where);
    // The real path of the "Stock Index" that StockIndexIn last gave.
    const std::string& StockIndexPath() const { return indexPath_; }

    struct Opened {
        std::shared_ptr<const IncludeFile> file;
        bool tooLarge = false;  // larger than the load may read: not read
    };
    // A definition file named by an index line (a relative path: in the
    // folder), or none when it cannot be opened or read, after the messages of
    // the mapped-file reader. A file of more than largestFile bytes is not read.
    Opened OpenDefinitionFile(IncludeFolder& where, std::string_view path, std::size_t largestFile,
                              platform::MessageSink& messages);

    void Clear();

  private:
    struct CachedIndex {
        platform::FileIdentity identity;
        bool trusted = false;  // the identity tells a later version
        std::unique_ptr<const PartIndex> index;
    };
    struct CachedFile {
        platform::FileIdentity identity;
        bool trusted = false;
        std::shared_ptr<const IncludeFile> file;
    };

    // What the cache keeps at most; past either it starts afresh.
    static constexpr std::size_t kMaxCachedFiles = 4096;
    static constexpr std::size_t kMaxCachedBytes = std::size_t{256} << 20;

    PartIndexReader readIndex_;
    std::optional<CachedIndex> index_;
    std::string indexPath_;
    // By the file's device and inode: every path to one file shares it.
    std::unordered_map<std::string, CachedFile> files_;
    std::size_t cachedBytes_ = 0;
};

}  // namespace lumtrak::model

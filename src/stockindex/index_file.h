#pragma once

#include <string>
#include <string_view>

#include "platform/message_sink.h"
#include "platform/replacement_file.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

// The message, with the temporary file's path as caption, when a new index
// cannot be written; the old index then stays as it was.
inline constexpr std::string_view kCannotWriteFile = "Can't write file";

// A new version of a program folder's "Stock Index", written to "Stock
// Index.new" beside it and renamed over it when complete.
class NewIndexFile {
  public:
    NewIndexFile(const std::string& programFolder, platform::MessageSink& messages);

    // Whether the temporary file could be created; "Can't write file" was shown
    // when not.
    bool Created() const { return created_; }
    const std::string& IndexPath() const { return indexPath_; }
    IndexWriter& Writer() { return writer_; }

    // Replaces the index; shows "Can't write file" and gives false when the
    // temporary file could not be written or renamed.
    bool Commit();

  private:
    class FileWriter : public IndexWriter {
      public:
        explicit FileWriter(platform::ReplacementFile& file) : file_(file) {}
        void Write(std::string_view bytes) override { file_.Write(bytes); }

      private:
        platform::ReplacementFile& file_;
    };

    void ReportFailure();

    platform::MessageSink& messages_;
    std::string indexPath_;
    platform::ReplacementFile file_;
    FileWriter writer_{file_};
    bool created_ = false;
};

}  // namespace lumtrak::stockindex

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_replacement.h"
#include "platform/message_sink.h"
#include "stockindex/index_format.h"

namespace lumtrak::stockindex {

// The message, with the index's path as caption, when a new index cannot be
// written; the old index then stays as it was.
inline constexpr std::string_view kCannotWriteFile = "Can't write file";

// A new version of a program folder's "Stock Index", written through
// platform::FileReplacement: to a file with a name of its own beside it,
// renamed over it when complete, so that two writers at once each install a
// whole index and one that is stopped half way leaves the old index whole.
class NewIndexFile {
  public:
    NewIndexFile(const std::string& programFolder, platform::MessageSink& messages);

    // Whether the new index could be started; "Can't write file" was shown
    // when not.
    bool Created() const { return created_; }
    const std::string& IndexPath() const { return indexPath_; }
    IndexWriter& Writer() { return writer_; }

    // Replaces the index; shows "Can't write file" and gives false when the
    // new index could not be written or renamed. An index that had to be
    // written over in place, its folder taking no new file, adds a note.
    bool Commit(std::vector<std::string>& notes);

  private:
    class FileWriter : public IndexWriter {
      public:
        explicit FileWriter(platform::FileReplacement& file) : file_(file) {}
        void Write(std::string_view bytes) override { file_.Write(bytes); }

      private:
        platform::FileReplacement& file_;
    };

    void ReportFailure();

    platform::MessageSink& messages_;
    std::string indexPath_;
    platform::FileReplacement file_;
    FileWriter writer_{file_};
    bool created_ = false;
};

}  // namespace lumtrak::stockindex

#include "stockindex/index_file.h"

namespace lumtrak::stockindex {

NewIndexFile::NewIndexFile(const std::string& programFolder, platform::MessageSink& messages)
    : messages_(messages), indexPath_(IndexPathIn(programFolder)) {
    created_ = file_.Create(indexPath_, indexPath_ + std::string(kTemporarySuffix));
    if (!created_) ReportFailure();
}

bool NewIndexFile::Commit() {
    if (!created_) return false;
    if (file_.Commit()) return true;
    ReportFailure();
    return false;
}

void NewIndexFile::ReportFailure() {
    messages_.Show(file_.TemporaryPath(), kCannotWriteFile);
}

}  // namespace lumtrak::stockindex

#include "stockindex/index_file.h"

namespace lumtrak::stockindex {

NewIndexFile::NewIndexFile(const std::string& programFolder, platform::MessageSink& messages)
    : messages_(messages), indexPath_(IndexPathIn(programFolder)) {
    created_ = !file_.Open(indexPath_);
    if (!created_) ReportFailure();
}

bool NewIndexFile::Commit(std::vector<std::string>& notes) {
    if (!created_) return false;
    if (file_.Commit()) {
        ReportFailure();
        return false;
    }
    if (file_.Way() == platform::ReplacementWay::InPlace) {
        notes.push_back(platform::WrittenInPlaceNote(indexPath_));
    }
    return true;
}

void NewIndexFile::ReportFailure() {
    messages_.Show(indexPath_, kCannotWriteFile);
}

}  // namespace lumtrak::stockindex

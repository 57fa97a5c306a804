#include "stockindex/index_format.h"

#include "platform/file_lookup.h"

namespace lumtrak::stockindex {

std::string IndexPathIn(const std::string& programFolder) {
    std::string path = programFolder;
    if (path.empty() || path.back() != '/') path += '/';
    path += kIndexFileName;
    return platform::FindPathIgnoringCase(path).value_or(path);
}

void IndexWriter::Line(std::string_view text) {
    Write(text);
    Write(kLineEnd);
}

void IndexWriter::Entry(std::string_view name, std::string_view path, bool marked) {
    // Put together first: a rebuild writes tens of thousands of entries.
    entry_.clear();
    if (marked) entry_ += kMarkedPrefix;
    entry_ += name;
    entry_ += kNameSeparator;
    entry_ += path;
    entry_ += kLineEnd;
    Write(entry_);
}

}  // namespace lumtrak::stockindex

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
    if (marked) Write(std::string_view(&kMarkedPrefix, 1));
    Write(name);
    Write(std::string_view(&kNameSeparator, 1));
    Line(path);
}

}  // namespace lumtrak::stockindex

#include "editor/part_texts.h"

#include <QFile>
#include <filesystem>

#include "platform/program_folder.h"
#include "qtshell/windows1252.h"

namespace lumtrak::editor {

QString DefinitionText(std::string_view bytes) {
    return qtshell::DecodeWindows1252(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QString ShownPath(const std::string& path) {
    // Paths that loads read are real paths: the folder's is compared.
    std::error_code error;
    std::string program = std::filesystem::weakly_canonical(platform::ProgramFolder(), error);
    if (!program.empty() && program.back() != '/') program += '/';
    const std::string_view shown = program.size() > 1 && path.starts_with(program)
                                       ? std::string_view(path).substr(program.size())
                                       : std::string_view(path);
    return QFile::decodeName(QByteArray(shown.data(), qsizetype(shown.size())));
}

QString StatementText(model::Statement statement) {
    return QString::fromLatin1(model::StatementWord(statement));
}

}  // namespace lumtrak::editor

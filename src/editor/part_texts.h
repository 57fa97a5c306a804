#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/statement_words.h"

// How the windows that work across parts show the core's bytes and paths.
namespace lumtrak::editor {

// Definition bytes (names, lines) as characters, by Windows-1252.
QString DefinitionText(std::string_view bytes);
// A file's path as characters; within the program folder, relative to it.
QString ShownPath(const std::string& path);
// The word of a part statement: "include", "wheel", "motion1"...
QString StatementText(model::Statement statement);

}  // namespace lumtrak::editor

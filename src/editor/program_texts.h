#pragma once

#include <QString>
#include <string_view>

// The texts that the core shows through the editor (messages, status texts and
// the loader's notes) come as bytes in English. These give them as the
// windows show them: decoded from Windows-1252, and in the user's language
// where the text is one of the core's own; a file path or a definition's name
// within stays as it is.
namespace lumtrak::editor {

// The translation context of the core's texts.
inline constexpr const char* kProgramTextContext = "ProgramText";

QString ProgramText(std::string_view bytes);

}  // namespace lumtrak::editor

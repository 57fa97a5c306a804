#pragma once

#include <string>

#include "cli/arguments.h"
#include "model/definition_loader.h"

// Options and inputs that several commands share.
namespace lumtrak::cli {

OptionSpec ProgramDirOption();
OptionSpec SelectionOption();
OptionSpec CaretOption();

// The definition text named by FILE, as raw bytes; "-" reads standard input.
// An unreadable file is a usage error.
std::string ReadDefinitionFile(const std::string& file);

// --sel A:B or --caret N as given (default 0:0); malformed values are usage errors.
model::TextSelection SelectionFrom(const Arguments& arguments);
// The selection with offsets beyond the text clamped to its length.
model::TextSelection ClampSelection(model::TextSelection selection, std::size_t textLength);

// Applies --program-dir, if given, as the program folder.
void ApplyProgramDir(const Arguments& arguments);

// Writes bytes to standard output unchanged.
void WriteStdout(std::string_view bytes);

}  // namespace lumtrak::cli

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "model/definition_loader.h"

// Options and inputs that several commands share.
namespace lumtrak::cli {

OptionSpec ProgramDirOption();
OptionSpec SelectionOption();
OptionSpec CaretOption();

// The definition text named by FILE, as raw bytes; "-" reads standard input.
// Anything that cannot be read as a regular file (missing, a folder, a FIFO,
// no permission) is a usage error naming it.
std::string ReadDefinitionFile(const std::string& file);

// --sel A:B or --caret N as given (default 0:0); malformed values are usage errors.
model::TextSelection SelectionFrom(const Arguments& arguments);
// The selection with offsets beyond the text clamped to its length.
model::TextSelection ClampSelection(model::TextSelection selection, std::size_t textLength);

// Applies --program-dir, if given, as the program folder.
void ApplyProgramDir(const Arguments& arguments);

inline constexpr const char* kCannotWriteOutput = "cannot write standard output: ";

// Writes bytes to standard output unchanged; a CommandFailure when they cannot
// all be written.
void WriteStdout(std::string_view bytes);

// Flushes whatever was written to standard output by any means; the reason
// when some of it could not be written.
std::optional<std::string> FlushStandardOutput();

}  // namespace lumtrak::cli

#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/arguments.h"
#include "platform/file_replacement.h"

// The files that commands write (-o, --in-place, --png, --out), all through the
// kit's one file replacement.
namespace lumtrak::cli {

// Gives the file at path the bytes: a regular file is replaced atomically
// (keeping its mode, through a link its target), anything else (/dev/null,
// /dev/stdout, a pipe) is written straight through. A CommandFailure naming the
// file when it cannot be written, a read-only file included. Gives the note to
// show when the file had to be written in place, since its folder takes no new
// file beside it.
std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes);
// The same for bytes given as pieces, written in turn.
std::optional<std::string> WriteOutputFile(const std::string& path,
                                           std::initializer_list<std::string_view> pieces);

// The options of every replacement of an output file.
platform::ReplacementOptions OutputFileOptions();
// The failure of an output file that cannot be written, naming it.
CommandFailure CannotWrite(const std::string& path, std::error_code error);

// A picture of width × height pixels 0x??RRGGBB, rows top first, as a PNG
// file's bytes; a CommandFailure when it cannot be encoded.
std::string PngBytes(int width, int height, std::span<const std::uint32_t> pixels);

}  // namespace lumtrak::cli

#include "cli/output_file.h"

#include "cli/arguments.h"
#include "platform/file_replacement.h"
#include "rm/png_file.h"

namespace lumtrak::cli {

std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes) {
    platform::ReplacementOptions options;
    // A FIFO named on the command line is there to be read by someone.
    options.mayWaitForReader = true;
    const auto result = platform::ReplaceFile(path, bytes, options);
    if (result.error) {
        throw CommandFailure("cannot write '" + path + "': " + result.error.message());
    }
    if (result.way != platform::ReplacementWay::InPlace) return std::nullopt;
    return platform::WrittenInPlaceNote(path);
}

std::string PngBytes(int width, int height, std::span<const std::uint32_t> pixels) {
    std::string bytes = rm::PngFileBytes(width, height, pixels);
    if (bytes.empty()) throw CommandFailure("cannot encode the image as PNG");
    return bytes;
}

}  // namespace lumtrak::cli

#include "cli/output_file.h"

#include "rm/png_file.h"

namespace lumtrak::cli {

platform::ReplacementOptions OutputFileOptions() {
    platform::ReplacementOptions options;
    // A FIFO named on the command line is there to be read by someone.
    options.mayWaitForReader = true;
    return options;
}

CommandFailure CannotWrite(const std::string& path, std::error_code error) {
    return CommandFailure("cannot write '" + path + "': " + error.message());
}

std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes) {
    return WriteOutputFile(path, {bytes});
}

std::optional<std::string> WriteOutputFile(const std::string& path,
                                           std::initializer_list<std::string_view> pieces) {
    platform::FileReplacement file;
    std::error_code error = file.Open(path, OutputFileOptions());
    if (!error) {
        for (const std::string_view piece : pieces)
            file.Write(piece);
        error = file.Commit();
    }
    if (error) throw CannotWrite(path, error);
    if (file.Way() != platform::ReplacementWay::InPlace) return std::nullopt;
    return platform::WrittenInPlaceNote(path);
}

std::string PngBytes(int width, int height, std::span<const std::uint32_t> pixels) {
    std::string bytes = rm::PngFileBytes(width, height, pixels);
    if (bytes.empty()) throw CommandFailure("cannot encode the image as PNG");
    return bytes;
}

}  // namespace lumtrak::cli

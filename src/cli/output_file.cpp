#include "cli/output_file.h"

#include <QBuffer>
#include <QImage>

#include "cli/arguments.h"
#include "platform/file_replacement.h"

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
    return "'" + path + "' was written in place: its folder takes no new file beside it";
}

std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw CommandFailure("cannot encode the image as PNG");
    return bytes.toStdString();
}

}  // namespace lumtrak::cli

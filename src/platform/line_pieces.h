#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lumtrak::platform {

// The longest piece of a line that the list and index readers take at once: a
// longer line is read as several pieces, each handled as a line of its own.
inline constexpr std::size_t kLinePieceLength = 249;

// The length of the piece at the start of content, as a line reader with a
// buffer of maxLength characters takes it: through the first '\n', or
// maxLength characters, whichever is shorter (all of content when neither).
std::size_t FirstPieceLength(std::string_view content, std::size_t maxLength);

// Cuts content into such pieces.
std::vector<std::string_view> LinePieces(std::string_view content,
                                         std::size_t maxLength = kLinePieceLength);

// Cuts a stream of bytes into the same pieces, holding no more of it than one
// buffer, however long the stream or its lines.
class LinePieceReader {
  public:
    // Fills `into` with the next bytes of the stream: how many, 0 at its end,
    // -1 when reading fails.
    using ReadSome = std::function<std::ptrdiff_t(std::span<char> into)>;

    explicit LinePieceReader(ReadSome read, std::size_t maxLength = kLinePieceLength);

    // The next piece, valid until the next call; nothing at the end of the
    // stream, or once reading failed.
    std::optional<std::string_view> Next();
    bool Failed() const { return failed_; }

  private:
    ReadSome read_;
    std::size_t maxLength_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // the bytes held are [begin_, end_)
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

}  // namespace lumtrak::platform

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

namespace lumtrak::cli {

// Writes one JSON document. Strings are definition bytes: byte b stands for the
// code point U+00bb, written as UTF-8. The document is kept in memory, or, with
// an output, handed to it a piece at a time as it grows, so that a large
// document is never held whole.
class JsonWriter {
  public:
    // Where the pieces go; it may throw to stop the writing.
    using Output = void (*)(std::string_view piece);

    JsonWriter() = default;
    explicit JsonWriter(Output output) : output_(output) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view bytes);
    // One string value made of several pieces of bytes, written in turn.
    JsonWriter& String(std::initializer_list<std::string_view> pieces);
    JsonWriter& Int(std::int64_t value);
    JsonWriter& Double(double value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    // Bytes after the document (a line end).
    JsonWriter& Raw(std::string_view bytes);

    // What is held and not yet handed to the output: the whole document when
    // there is no output.
    std::string_view Text() const { return {bytes_.get(), size_}; }
    // Hands what is held to the output.
    void Flush();

  private:
    static constexpr std::size_t kPiece = 1 << 16;

    void BeforeValue();
    void WriteStringBytes(std::string_view bytes);
    // Room for count more bytes at the end of what is held.
    char* Room(std::size_t count) {
        if (capacity_ - size_ < count) MakeRoom(count);
        return bytes_.get() + size_;
    }
    void MakeRoom(std::size_t count);
    void Put(char c) {
        *Room(1) = c;
        ++size_;
    }
    void Put(std::string_view bytes) {
        if (bytes.empty()) return;
        if (capacity_ - size_ >= bytes.size()) {
            std::memcpy(bytes_.get() + size_, bytes.data(), bytes.size());
            size_ += bytes.size();
        } else {
            PutInPieces(bytes);
        }
    }
    void PutInPieces(std::string_view bytes);
    // A string of plain bytes only, in quotes, and after it suffix.
    bool PutPlainString(std::string_view bytes, std::string_view suffix);

    Output output_ = nullptr;
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    // For each open object or array, whether a value came before.
    std::vector<unsigned char> needsComma_;
    bool afterKey_ = false;
};

}  // namespace lumtrak::cli

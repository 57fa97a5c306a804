#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
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
    const std::string& Text() const { return out_; }
    // Hands what is held to the output.
    void Flush();

  private:
    static constexpr std::size_t kPiece = 1 << 16;

    void BeforeValue();
    void WriteStringBytes(std::string_view bytes);
    void AppendPlain(const char* bytes, std::size_t count);
    void MaybeFlush() {
        if (output_ != nullptr && out_.size() >= kPiece) Flush();
    }

    Output output_ = nullptr;
    std::string out_;
    std::vector<bool> needsComma_;
    bool afterKey_ = false;
};

}  // namespace lumtrak::cli

#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>

namespace lumtrak::cli {
namespace {

// The bytes written as they are inside a JSON string: printable ASCII other
// than the quote and the backslash.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x80; ++byte)
        plain[std::size_t(byte)] = byte != '"' && byte != '\\';
    return plain;
}();

void AppendEscaped(std::string& out, unsigned char byte) {
    switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += char(0xC0 | (byte >> 6));
                out += char(0x80 | (byte & 0x3F));
            }
    }
}

}  // namespace

void JsonWriter::Flush() {
    if (output_ == nullptr || out_.empty()) return;
    output_(out_);
    out_.clear();
}

void JsonWriter::BeforeValue() {
    MaybeFlush();
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!needsComma_.empty()) {
        if (needsComma_.back()) out_ += ',';
        needsComma_.back() = true;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    out_ += '{';
    needsComma_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    out_ += '}';
    needsComma_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    out_ += '[';
    needsComma_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    out_ += ']';
    needsComma_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    out_ += '"';
    WriteStringBytes(key);
    out_ += "\":";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view bytes) {
    return String({bytes});
}

JsonWriter& JsonWriter::String(std::initializer_list<std::string_view> pieces) {
    BeforeValue();
    out_ += '"';
    for (const std::string_view piece : pieces)
        WriteStringBytes(piece);
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
    BeforeValue();
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out_.append(digits, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::Double(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        out_ += "null";
        return *this;
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
    return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view bytes) {
    out_ += bytes;
    return *this;
}

void JsonWriter::AppendPlain(const char* bytes, std::size_t count) {
    // With an output, a long run goes on in pieces rather than grow the buffer.
    while (count > 0) {
        const std::size_t room =
            output_ != nullptr && out_.size() < kPiece ? kPiece - out_.size() : count;
        const std::size_t taken = count < room ? count : room;
        out_.append(bytes, taken);
        bytes += taken;
        count -= taken;
        MaybeFlush();
    }
}

void JsonWriter::WriteStringBytes(std::string_view bytes) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (kPlainBytes[byte]) continue;
        AppendPlain(bytes.data() + start, i - start);
        AppendEscaped(out_, byte);
        start = i + 1;
    }
    AppendPlain(bytes.data() + start, bytes.size() - start);
}

}  // namespace lumtrak::cli

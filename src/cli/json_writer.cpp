#include "cli/json_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

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

// The escape or UTF-8 form of a byte that is not plain: at most 6 bytes.
std::string_view Escaped(unsigned char byte, std::array<char, 6>& room) {
    switch (byte) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            break;
    }
    if (byte < 0x20) {
        constexpr char kHex[] = "0123456789abcdef";
        room = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
        return {room.data(), 6};
    }
    room[0] = char(0xC0 | (byte >> 6));
    room[1] = char(0x80 | (byte & 0x3F));
    return {room.data(), 2};
}

}  // namespace

void JsonWriter::MakeRoom(std::size_t count) {
    // With an output what is held goes on first; the buffer only grows for a
    // piece larger than it, or without an output.
    Flush();
    if (capacity_ - size_ >= count) return;
    const std::size_t wanted = std::max({kPiece, size_ + count, capacity_ * 2});
    auto bytes = std::make_unique_for_overwrite<char[]>(wanted);
    if (size_ > 0) std::memcpy(bytes.get(), bytes_.get(), size_);
    bytes_ = std::move(bytes);
    capacity_ = wanted;
}

void JsonWriter::Flush() {
    if (output_ == nullptr || size_ == 0) return;
    output_(Text());
    size_ = 0;
}

void JsonWriter::PutInPieces(std::string_view bytes) {
    // A long run goes on in pieces rather than grow the buffer.
    while (!bytes.empty()) {
        if (size_ == capacity_) MakeRoom(1);
        const std::size_t taken =
            output_ != nullptr ? std::min(bytes.size(), capacity_ - size_) : bytes.size();
        std::memcpy(Room(taken), bytes.data(), taken);
        size_ += taken;
        bytes.remove_prefix(taken);
    }
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!needsComma_.empty()) {
        if (needsComma_.back()) Put(',');
        needsComma_.back() = 1;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    Put('{');
    needsComma_.push_back(0);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    Put('}');
    needsComma_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    Put('[');
    needsComma_.push_back(0);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    Put(']');
    needsComma_.pop_back();
    return *this;
}

bool JsonWriter::PutPlainString(std::string_view bytes, std::string_view suffix) {
    for (const char c : bytes) {
        if (!kPlainBytes[static_cast<unsigned char>(c)]) return false;
    }
    // Short ones (keys, names, numbers as text) in one go.
    if (bytes.size() > 256) return false;
    char* at = Room(bytes.size() + 2 + suffix.size());
    *at++ = '"';
    if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
    at += bytes.size();
    *at++ = '"';
    if (!suffix.empty()) std::memcpy(at, suffix.data(), suffix.size());
    size_ += bytes.size() + 2 + suffix.size();
    return true;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    afterKey_ = true;
    if (PutPlainString(key, ":")) return *this;
    Put('"');
    WriteStringBytes(key);
    Put("\":");
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view bytes) {
    BeforeValue();
    if (PutPlainString(bytes, {})) return *this;
    Put('"');
    WriteStringBytes(bytes);
    Put('"');
    return *this;
}

JsonWriter& JsonWriter::String(std::initializer_list<std::string_view> pieces) {
    BeforeValue();
    Put('"');
    for (const std::string_view piece : pieces)
        WriteStringBytes(piece);
    Put('"');
    return *this;
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
    BeforeValue();
    constexpr std::size_t kDigits = 20;
    char* const at = Room(kDigits);
    size_ += std::size_t(std::to_chars(at, at + kDigits, value).ptr - at);
    return *this;
}

JsonWriter& JsonWriter::Double(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        Put("null");
        return *this;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    Put(std::string_view(buffer, std::size_t(result.ptr - buffer)));
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    Put(value ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    Put("null");
    return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view bytes) {
    Put(bytes);
    return *this;
}

void JsonWriter::WriteStringBytes(std::string_view bytes) {
    // Runs of plain bytes go in whole.
    std::size_t start = 0;
    std::array<char, 6> room;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (kPlainBytes[byte]) continue;
        Put(bytes.substr(start, i - start));
        Put(Escaped(byte, room));
        start = i + 1;
    }
    Put(bytes.substr(start));
}

}  // namespace lumtrak::cli

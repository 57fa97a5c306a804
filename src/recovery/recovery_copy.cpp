#include "recovery/recovery_copy.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "recovery/checksum.h"

namespace lumtrak::recovery {
namespace {

constexpr std::string_view kMagic = "LUMTRAK RECOVERY COPY ";
constexpr std::uint64_t kVersion = 1;
constexpr std::string_view kChecksumKey = "crc32 ";
constexpr std::size_t kChecksumDigits = 8;
constexpr std::string_view kHexDigits = "0123456789abcdef";
// More digits than any size or time of ours has: longer numbers cannot
// overflow, and a copy with one is no copy of ours.
constexpr std::size_t kLongestNumber = 18;

std::string Hex(std::uint32_t value) {
    std::string digits(kChecksumDigits, '0');
    for (std::size_t i = kChecksumDigits; i-- > 0; value >>= 4)
        digits[i] = kHexDigits[value & 0xFu];
    return digits;
}

void AddCounted(std::string& out, std::string_view key, std::string_view bytes) {
    out += key;
    out += ' ';
    out += std::to_string(bytes.size());
    out += '\n';
    out += bytes;
    out += '\n';
}

void AddNumber(std::string& out, std::string_view key, std::int64_t value) {
    out += key;
    out += ' ';
    out += std::to_string(std::max<std::int64_t>(0, value));
    out += '\n';
}

// Reads the fields of a copy from the front, never past its end.
class Fields {
  public:
    explicit Fields(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Position() const { return position_; }
    bool AtEnd() const { return position_ == bytes_.size(); }

    bool Literal(std::string_view word) {
        if (!bytes_.substr(position_).starts_with(word)) return false;
        position_ += word.size();
        return true;
    }

    // Digits, without a sign or leading zeros, up to a line break.
    std::optional<std::uint64_t> NumberLine() {
        const std::string_view rest = bytes_.substr(position_);
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos || end == 0 || end > kLongestNumber) return std::nullopt;
        const std::string_view digits = rest.substr(0, end);
        if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
        std::uint64_t value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + std::uint64_t(c - '0');
        }
        position_ += end + 1;
        return value;
    }

    // "key N", then N bytes and a line break.
    std::optional<std::string_view> Counted(std::string_view key) {
        if (!Literal(key) || !Literal(" ")) return std::nullopt;
        const std::optional<std::uint64_t> count = NumberLine();
        if (!count || *count >= bytes_.size() - position_) return std::nullopt;
        const std::string_view field = bytes_.substr(position_, std::size_t(*count));
        position_ += field.size();
        if (!Literal("\n")) return std::nullopt;
        return field;
    }

    // "key N" with N a number up to limit.
    std::optional<std::uint64_t> Number(std::string_view key, std::uint64_t limit) {
        if (!Literal(key) || !Literal(" ")) return std::nullopt;
        const std::optional<std::uint64_t> value = NumberLine();
        if (!value || *value > limit) return std::nullopt;
        return value;
    }

    std::optional<std::uint32_t> Checksum() {
        if (!Literal(kChecksumKey)) return std::nullopt;
        const std::string_view digits = bytes_.substr(position_, kChecksumDigits);
        if (digits.size() != kChecksumDigits) return std::nullopt;
        std::uint32_t value = 0;
        for (const char c : digits) {
            const std::size_t digit = kHexDigits.find(c);
            if (digit == std::string_view::npos) return std::nullopt;
            value = (value << 4) | std::uint32_t(digit);
        }
        position_ += kChecksumDigits;
        if (!Literal("\n")) return std::nullopt;
        return value;
    }

  private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

}  // namespace

EncodedCopy EncodeCopy(const CopyHeader& header, std::string_view text) {
    EncodedCopy copy;
    copy.head = std::string(kMagic) + std::to_string(kVersion) + '\n';
    AddCounted(copy.head, "path", header.path);
    AddCounted(copy.head, "title", header.title);
    AddNumber(copy.head, "kind", header.kind);
    AddNumber(copy.head, "written", header.writtenAt);
    copy.head += "text " + std::to_string(text.size()) + '\n';
    Crc32 checksum;
    checksum.Add(copy.head);
    checksum.Add(text);
    checksum.Add("\n");
    copy.tail = "\n" + std::string(kChecksumKey) + Hex(checksum.Value()) + '\n';
    return copy;
}

CopyReading ReadCopy(std::string_view bytes) {
    CopyReading reading;
    Fields fields(bytes);
    if (!fields.Literal(kMagic)) return reading;
    const std::optional<std::uint64_t> version = fields.NumberLine();
    if (!version) return reading;
    if (*version != kVersion) {
        reading.condition = CopyCondition::UnknownVersion;
        return reading;
    }
    reading.condition = CopyCondition::Incomplete;
    const std::optional<std::string_view> path = fields.Counted("path");
    if (!path) return reading;
    reading.header.path = *path;
    const std::optional<std::string_view> title = fields.Counted("title");
    if (!title) return reading;
    reading.header.title = *title;
    const auto kind =
        fields.Number("kind", std::uint64_t(std::numeric_limits<std::int32_t>::max()));
    if (!kind) return reading;
    reading.header.kind = std::int32_t(*kind);
    const auto written =
        fields.Number("written", std::uint64_t(std::numeric_limits<std::int64_t>::max()));
    if (!written) return reading;
    reading.header.writtenAt = std::int64_t(*written);
    const std::optional<std::string_view> text = fields.Counted("text");
    if (!text) return reading;
    const std::size_t checked = fields.Position();
    const std::optional<std::uint32_t> storedChecksum = fields.Checksum();
    if (!storedChecksum || !fields.AtEnd()) return reading;
    Crc32 checksum;
    checksum.Add(bytes.substr(0, checked));
    if (checksum.Value() != *storedChecksum) {
        reading.condition = CopyCondition::ChecksumMismatch;
        return reading;
    }
    reading.condition = CopyCondition::Whole;
    reading.text = *text;
    return reading;
}

}  // namespace lumtrak::recovery

#include "preview3d/number_label.h"

#include <optional>
#include <vector>

namespace lumtrak::preview3d {
namespace {

// Widths and precisions beyond this are not taken as formats: no label texture
// is wide enough to show them, and the text would only cost memory.
constexpr int kLargestField = 4096;

struct Conversion {
    bool leftJustify = false;
    bool plusSign = false;
    bool spaceSign = false;
    bool alternate = false;
    bool zeroPad = false;
    int width = 0;
    std::optional<int> precision;
    char kind = 'd';
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the decimal field at pos; nothing when it is longer than kLargestField.
std::optional<int> ReadField(std::string_view text, std::size_t& pos) {
    int value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        if (value > kLargestField) return std::nullopt;
        ++pos;
    }
    return value;
}

// The conversion whose '%' is at text[pos - 1], with pos left after it.
std::optional<Conversion> ReadConversion(std::string_view text, std::size_t& pos) {
    Conversion conversion;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '-') {
            conversion.leftJustify = true;
        } else if (c == '+') {
            conversion.plusSign = true;
        } else if (c == ' ') {
            conversion.spaceSign = true;
        } else if (c == '#') {
            conversion.alternate = true;
        } else if (c == '0') {
            conversion.zeroPad = true;
        } else {
            break;
        }
    }
    const auto width = ReadField(text, pos);
    if (!width) return std::nullopt;
    conversion.width = *width;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        conversion.precision = ReadField(text, pos);
        if (!conversion.precision) return std::nullopt;
    }
    if (pos >= text.size()) return std::nullopt;
    conversion.kind = text[pos++];
    static constexpr std::string_view kIntegerKinds = "diuxXoc";
    if (kIntegerKinds.find(conversion.kind) == std::string_view::npos) return std::nullopt;
    return conversion;
}

std::string Digits(std::uint32_t value, unsigned base, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % base]);
        value /= base;
    } while (value != 0);
    return text;
}

std::string Pad(std::string prefix, std::string body, const Conversion& conversion,
                bool zeroPadAllowed) {
    const std::size_t length = prefix.size() + body.size();
    const std::size_t width = static_cast<std::size_t>(conversion.width);
    if (length >= width) return prefix + body;
    const std::size_t fill = width - length;
    if (conversion.leftJustify) return prefix + body + std::string(fill, ' ');
    if (conversion.zeroPad && zeroPadAllowed) return prefix + std::string(fill, '0') + body;
    return std::string(fill, ' ') + prefix + body;
}

std::string Convert(const Conversion& conversion, std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    if (conversion.kind == 'c') {
        return Pad("", std::string(1, static_cast<char>(bits & 0xFF)), conversion, false);
    }
    std::string prefix;
    std::string digits;
    switch (conversion.kind) {
        case 'd':
        case 'i':
            if (number < 0) {
                prefix = "-";
            } else if (conversion.plusSign) {
                prefix = "+";
            } else if (conversion.spaceSign) {
                prefix = " ";
            }
            // The magnitude as unsigned arithmetic gives it, also for INT32_MIN.
            digits = Digits(number < 0 ? 0u - bits : bits, 10, false);
            break;
        case 'u':
            digits = Digits(bits, 10, false);
            break;
        case 'o':
            digits = Digits(bits, 8, false);
            break;
        default:  // 'x' or 'X'
            digits = Digits(bits, 16, conversion.kind == 'X');
            if (conversion.alternate && bits != 0) prefix = conversion.kind == 'X' ? "0X" : "0x";
            break;
    }
    if (conversion.precision) {
        const auto precision = static_cast<std::size_t>(*conversion.precision);
        if (precision == 0 && bits == 0) digits.clear();
        if (digits.size() < precision) digits.insert(0, precision - digits.size(), '0');
    }
    // An alternate octal form begins with a 0.
    if (conversion.kind == 'o' && conversion.alternate && (digits.empty() || digits[0] != '0')) {
        digits.insert(digits.begin(), '0');
    }
    return Pad(prefix, digits, conversion, !conversion.precision.has_value());
}

}  // namespace

std::string FormatNumberLabel(std::string_view format, std::int32_t number) {
    std::string result;
    int conversions = 0;
    for (std::size_t pos = 0; pos < format.size();) {
        const char c = format[pos++];
        if (c != '%') {
            result += c;
            continue;
        }
        if (pos < format.size() && format[pos] == '%') {
            result += '%';
            ++pos;
            continue;
        }
        const auto conversion = ReadConversion(format, pos);
        if (!conversion || ++conversions > 1) return std::string(format);
        result += Convert(*conversion, number);
    }
    if (conversions != 1) return std::string(format);
    return result.substr(0, result.find('\0'));
}

}  // namespace lumtrak::preview3d

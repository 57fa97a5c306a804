#include "tools/dialog_fields.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "model/characters.h"
#include "platform/ascii.h"

namespace lumtrak::tools {
namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits at the front of text, which they leave.
std::size_t TakeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count]))
        ++count;
    text.remove_prefix(count);
    return count;
}

}  // namespace

std::int32_t TextFieldValue(std::string_view text) {
    return model::ReadInteger(model::DefinitionText(text), 0);
}

std::optional<std::int32_t> IntegerFieldValue(std::string_view text) {
    text = platform::Trim(text, platform::kAsciiSpace);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (negative || text.front() == '+')) text.remove_prefix(1);
    // from_chars takes no sign of its own; the magnitude is read as 64 bits so
    // that -2147483648 fits before the sign is applied.
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (text.empty() || !IsDigit(text.front()) || error != std::errc() ||
        end != text.data() + text.size()) {
        return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<float> FloatFieldValue(std::string_view text) {
    text = platform::Trim(text, platform::kAsciiSpace);
    std::string_view rest = text;
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) rest.remove_prefix(1);
    const std::string_view unsignedText = rest;
    const std::string_view beforeDigits = rest;
    std::size_t digits = TakeDigits(rest);
    const std::string_view wholePart = beforeDigits.substr(0, digits);
    if (!rest.empty() && rest.front() == '.') {
        rest.remove_prefix(1);
        digits += TakeDigits(rest);
    }
    if (digits == 0) return std::nullopt;
    bool negativeExponent = false;
    bool hasExponent = false;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        hasExponent = true;
        negativeExponent = !rest.empty() && rest.front() == '-';
        if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) rest.remove_prefix(1);
        if (TakeDigits(rest) == 0) return std::nullopt;
    }
    if (!rest.empty()) return std::nullopt;

    double magnitude = 0;
    const auto [end, error] =
        std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        // Too small a magnitude reads as 0; too large a one is refused below.
        const bool tiny = hasExponent ? negativeExponent
                                      : wholePart.find_first_not_of('0') == std::string_view::npos;
        magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != unsignedText.data() + unsignedText.size()) {
        return std::nullopt;
    }
    const double value = text.front() == '-' ? -magnitude : magnitude;
    if (!(std::abs(value) <= double(std::numeric_limits<float>::max()))) return std::nullopt;
    return static_cast<float>(value);
}

std::string IntegerFieldText(std::int64_t value) {
    return std::to_string(value);
}

std::string FloatFieldText(float value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.6g", double(value));
    return std::string(text, length > 0 ? std::size_t(length) : 0);
}

}  // namespace lumtrak::tools

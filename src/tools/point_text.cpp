#include "tools/point_text.h"

#include <array>
#include <charconv>
#include <cstring>
#include <limits>

#include "model/characters.h"
#include "model/scanning.h"
#include "platform/ascii.h"

namespace lumtrak::tools {
namespace {

using SkipFunction = void (*)(const DefinitionText&, Cursor&);

// Steps with skip, then, for KeepHighBytes, pulls the cursor back in front of the
// first byte from 0x80 to 0xFF that the step passed over: the step walks every
// byte from where it started to where it stopped, so that is where a step that
// stops at such a byte would have stopped.
void SkipWith(SkipFunction skip, const DefinitionText& text, Cursor& cursor, FieldEnd end) {
    const Cursor from = cursor;
    skip(text, cursor);
    if (end != FieldEnd::KeepHighBytes) return;
    const Cursor last = std::min(cursor, text.End());
    for (Cursor pos = from; pos < last; ++pos) {
        if (static_cast<unsigned char>(text[pos]) >= 0x80) {
            cursor = pos;
            return;
        }
    }
}

// Whether a number too large or too small for a double (digits with an optional
// point, then an optional "e" exponent) is a large one: its first significant
// digit stands before the decimal point once the exponent is applied.
bool DecimalMagnitudeIsLarge(std::string_view mantissa, std::string_view exponent) {
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return false;
    long long position = first < point ? static_cast<long long>(point - first)
                                       : -static_cast<long long>(first - point - 1);
    if (exponent.size() > 1) {
        const bool negative = exponent[1] == '-';
        long long shift = 0;
        for (char c : exponent) {
            if (IsDigit(c) && shift < 1'000'000'000) shift = shift * 10 + (c - '0');
        }
        position += negative ? -shift : shift;
    }
    return position > 0;
}

}  // namespace

void SkipValueField(const DefinitionText& text, Cursor& cursor, FieldEnd end) {
    SkipWith(&model::SkipField, text, cursor, end);
}

void SkipDecimalField(const DefinitionText& text, Cursor& cursor, FieldEnd end) {
    SkipWith(&model::SkipFieldKeepDots, text, cursor, end);
}

std::int32_t ReadValueSlowly(const DefinitionText& text, Cursor& cursor, FieldEnd end) {
    const std::int32_t value = model::ReadInteger(text, cursor);
    SkipValueField(text, cursor, end);
    return value;
}

double ReadDecimal(const DefinitionText& text, Cursor cursor) {
    while (platform::IsAsciiSpace(text[cursor]))
        ++cursor;
    const bool negative = text[cursor] == '-';
    if (negative || text[cursor] == '+') ++cursor;
    // Gather the number without its sign, then convert it at once.
    std::string number;
    bool digits = false;
    while (IsDigit(text[cursor])) {
        number += text[cursor++];
        digits = true;
    }
    if (text[cursor] == '.') {
        number += text[cursor++];
        while (IsDigit(text[cursor])) {
            number += text[cursor++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    const std::size_t mantissaLength = number.size();
    if (text[cursor] == 'e' || text[cursor] == 'E') {
        Cursor exponent = cursor + 1;
        std::string exponentText = "e";
        if (text[exponent] == '-' || text[exponent] == '+') exponentText += text[exponent++];
        if (IsDigit(text[exponent])) {
            while (IsDigit(text[exponent]))
                exponentText += text[exponent++];
            number += exponentText;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity and too small gives 0, as the runtime does.
        value = DecimalMagnitudeIsLarge(std::string_view(number).substr(0, mantissaLength),
                                        std::string_view(number).substr(mantissaLength))
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
}

namespace {

// The digit pairs "00" to "99", for writing two digits at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The two digits of pair (below 100) at next.
inline void WritePair(char* next, std::uint32_t pair) {
    std::memcpy(next, kDigitPairs.data() + 2 * pair, 2);
}

// WriteInt, inlined where whole points are written.
inline char* WriteIntInline(char* next, std::int32_t value) {
    auto magnitude = static_cast<std::uint32_t>(value);
    if (value < 0) {
        *next++ = '-';
        magnitude = 0u - magnitude;
    }
    // Coordinates have a few digits: those are written without a loop.
    if (magnitude < 10) {
        *next = static_cast<char>('0' + magnitude);
        return next + 1;
    }
    if (magnitude < 100) {
        WritePair(next, magnitude);
        return next + 2;
    }
    if (magnitude < 1000) {
        *next = static_cast<char>('0' + magnitude / 100);
        WritePair(next + 1, magnitude % 100);
        return next + 3;
    }
    if (magnitude < 10000) {
        WritePair(next, magnitude / 100);
        WritePair(next + 2, magnitude % 100);
        return next + 4;
    }
    std::size_t length = 5;
    for (std::uint32_t limit = 100000; length < 10 && magnitude >= limit; limit *= 10)
        ++length;
    char* const end = next + length;
    char* write = end;
    while (magnitude >= 100) {
        write -= 2;
        WritePair(write, magnitude % 100);
        magnitude /= 100;
    }
    if (magnitude >= 10) {
        WritePair(write - 2, magnitude);
    } else {
        write[-1] = static_cast<char>('0' + magnitude);
    }
    return end;
}

}  // namespace

char* WriteInt(char* next, std::int32_t value) {
    return WriteIntInline(next, value);
}

char* WritePoint(char* next, const Point& point) {
    next = WriteIntInline(next, point.x);
    *next++ = '/';
    next = WriteIntInline(next, point.y);
    *next++ = '/';
    next = WriteIntInline(next, point.z);
    *next++ = ' ';
    return next;
}

void AppendInt(std::string& out, std::int32_t value) {
    std::array<char, 11> text;
    out.append(text.data(), static_cast<std::size_t>(WriteInt(text.data(), value) - text.data()));
}

void AppendPoint(std::string& out, const Point& point) {
    std::array<char, kLongestPoint> text;
    out.append(text.data(), static_cast<std::size_t>(WritePoint(text.data(), point) - text.data()));
}

void AppendDecimal(std::string& out, double value) {
    std::array<char, 400> digits;
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                            std::chars_format::fixed, 6);
    out.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

}  // namespace lumtrak::tools

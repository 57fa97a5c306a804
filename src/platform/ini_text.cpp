#include "platform/ini_text.h"

#include <vector>

#include "platform/ascii.h"

namespace lumtrak::platform {
namespace {

bool IsLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Hex(unsigned value) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return digits;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// One line of the text as the settings reader takes it: from its first byte
// that is no blank or line end to where it ends (a line end outside quotes, or
// a ';' that follows something), and its first '=' outside quotes. Comment
// lines are passed over.
struct IniLine {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t equals = std::string_view::npos;
};

// openAtEnd, when given, tells whether the text ends inside double quotes, right
// after a backslash or after an escaped line end, where what is added after it
// would join its last line.
std::vector<IniLine> SplitIniLines(std::string_view text, bool* openAtEnd = nullptr) {
    std::vector<IniLine> lines;
    if (openAtEnd != nullptr) *openAtEnd = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        IniLine line;
        line.start = pos;
        while (line.start < text.size() && IsLineSpace(text[line.start]))
            ++line.start;
        bool inQuotes = false;
        std::size_t i = line.start;
        while (i < text.size()) {
            const char c = text[i++];
            if (c == '=') {
                if (!inQuotes && line.equals == std::string_view::npos) line.equals = i - 1;
            } else if (c == '\n' || c == '\r') {
                if (i == line.start + 1) {
                    ++line.start;
                } else if (!inQuotes) {
                    --i;
                    break;
                }
            } else if (c == '\\') {
                if (i == text.size() && openAtEnd != nullptr) *openAtEnd = true;
                if (i < text.size()) {
                    const char escaped = text[i++];
                    if (i < text.size() && ((escaped == '\n' && text[i] == '\r') ||
                                            (escaped == '\r' && text[i] == '\n'))) {
                        ++i;
                    } else if (i == text.size() && (escaped == '\n' || escaped == '\r') &&
                               openAtEnd != nullptr) {
                        // A line end added after it could pair with the escaped one.
                        *openAtEnd = true;
                    }
                }
            } else if (c == '"') {
                inQuotes = !inQuotes;
            } else if (c == ';') {
                if (i == line.start + 1) {
                    // A comment: on to the next line.
                    while (i < text.size() && text[i] != '\n' && text[i] != '\r')
                        ++i;
                    while (i < text.size() && IsLineSpace(text[i]))
                        ++i;
                    line.start = i;
                } else if (!inQuotes) {
                    --i;
                    break;
                }
            }
        }
        if (inQuotes && openAtEnd != nullptr) *openAtEnd = true;
        line.end = i;
        pos = i;
        if (line.end > line.start) lines.push_back(line);
    }
    return lines;
}

// A key or group name as written: %XX and %UXXXX are characters, a backslash
// is '/'.
std::string UnescapedKey(std::string_view text) {
    std::string key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            key += '/';
            continue;
        }
        if (text[i] != '%' || i + 1 == text.size()) {
            key += text[i];
            continue;
        }
        const bool wide = text[i + 1] == 'U';
        const std::size_t first = i + (wide ? 2 : 1);
        const std::size_t digits = wide ? 4 : 2;
        char32_t value = 0;
        bool valid = first + digits <= text.size();
        for (std::size_t d = 0; valid && d < digits; ++d) {
            const int digit = HexValue(text[first + d]);
            valid = digit >= 0;
            value = value * 16 + char32_t(valid ? digit : 0);
        }
        if (!valid) {
            key += '%';
            continue;
        }
        AppendUtf8(key, value);
        i = first + digits - 1;
    }
    return key;
}

std::string EscapedKey(std::string_view key) {
    std::string text;
    for (const char c : key) {
        if (c == '/') {
            text += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            text += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            text += '%';
            text += "0123456789ABCDEF"[byte / 16];
            text += "0123456789ABCDEF"[byte % 16];
        }
    }
    return text;
}

// The group of a "[...]" line: what stands up to the ']', trimmed; "General"
// in any case is the group of keys without one.
std::string SectionGroup(std::string_view text, const IniLine& line) {
    std::string_view inside = text.substr(line.start + 1, line.end - line.start - 1);
    if (const auto close = inside.find(']'); close != std::string_view::npos) {
        inside = inside.substr(0, close);
    }
    inside = Trim(inside, " \t\n\r\f\v");
    if (EqualIgnoringAsciiCase(inside, "general")) return {};
    if (EqualIgnoringAsciiCase(inside, "%general")) return std::string(inside.substr(1));
    return UnescapedKey(inside);
}

std::string_view KeyText(std::string_view text, const IniLine& line) {
    std::size_t end = line.equals;
    while (end > line.start && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(line.start, end - line.start);
}

// Removes the blanks at the end of text, down to limit: what an escape or a
// quote gave is kept.
void ChopTrailingBlanks(std::string& text, std::size_t limit) {
    while (text.size() > limit && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
}

// The value after '=': nothing for a list.
std::optional<std::string> UnescapedValue(std::string_view text) {
    std::string value;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    skipBlanks();
    std::size_t chopLimit = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (++i >= text.size()) break;
            const char escaped = text[i++];
            constexpr std::string_view kFrom = "abfnrtv\"?'\\";
            constexpr std::string_view kTo = "\a\b\f\n\r\t\v\"?'\\";
            if (const auto at = kFrom.find(escaped); at != std::string_view::npos) {
                value += kTo[at];
                chopLimit = value.size();
                continue;
            }
            if (escaped == 'x' || (escaped >= '0' && escaped <= '7')) {
                const unsigned base = escaped == 'x' ? 16 : 8;
                char32_t code = escaped == 'x' ? 0 : char32_t(escaped - '0');
                for (; i < text.size(); ++i) {
                    const int digit = HexValue(text[i]);
                    if (digit < 0 || unsigned(digit) >= base) break;
                    code = char32_t((code * base + unsigned(digit)) & 0xFFFF);
                }
                AppendUtf8(value, code);
                chopLimit = value.size();
                continue;
            }
            if ((escaped == '\n' || escaped == '\r') && i < text.size() &&
                (text[i] == '\n' || text[i] == '\r') && text[i] != escaped) {
                ++i;
            }
            chopLimit = value.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
            chopLimit = value.size();
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            value += c;
            ++i;
        }
    }
    if (!quoted) ChopTrailingBlanks(value, chopLimit);
    return value;
}

// A stored text as the programs read it back: "@@" stands for one '@',
// "@String(...)" and "@ByteArray(...)" for what they hold, "@Invalid()" for
// nothing.
std::optional<std::string> StoredText(std::string value) {
    if (value.empty() || value[0] != '@') return value;
    if (value.back() == ')') {
        for (std::string_view wrapper : {"@String(", "@ByteArray("}) {
            if (value.starts_with(wrapper)) {
                return value.substr(wrapper.size(), value.size() - wrapper.size() - 1);
            }
        }
        if (value == "@Invalid()") return std::nullopt;
    }
    if (value.starts_with("@@")) return value.substr(1);
    return value;
}

}  // namespace

std::string EscapedIniValue(std::string_view value) {
    std::string text(value);
    if (text.find('\0') != std::string::npos) {
        text = "@String(" + text + ")";
    } else if (!text.empty() && text[0] == '@') {
        text.insert(0, "@");
    }
    std::string out;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeNextIfDigit && HexValue(c) >= 0) {
            out += "\\x" + Hex(byte);
            continue;
        }
        escapeNextIfDigit = false;
        constexpr std::string_view kControls = "\a\b\f\n\r\t\v";
        constexpr std::string_view kLetters = "abfnrtv";
        if (c == '\0') {
            out += "\\0";
            escapeNextIfDigit = true;
        } else if (const auto at = kControls.find(c); at != std::string_view::npos) {
            out += '\\';
            out += kLetters[at];
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte <= 0x1F) {
            out += "\\x" + Hex(byte);
            escapeNextIfDigit = true;
        } else {
            out += c;
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
        out = '"' + out + '"';
    }
    return out;
}

std::optional<std::string> ReadIniValue(std::string_view text, std::string_view group,
                                        std::string_view key) {
    std::optional<std::string> found;
    bool inGroup = group.empty();
    for (const IniLine& line : SplitIniLines(text)) {
        if (text[line.start] == '[') {
            inGroup = SectionGroup(text, line) == group;
        } else if (inGroup && line.equals != std::string_view::npos &&
                   UnescapedKey(KeyText(text, line)) == key) {
            const auto value =
                UnescapedValue(text.substr(line.equals + 1, line.end - line.equals - 1));
            found = value ? StoredText(*value) : std::nullopt;
        }
    }
    return found;
}

std::string SetIniValue(std::string_view text, std::string_view group, std::string_view key,
                        std::string_view value) {
    const std::string written = EscapedKey(key) + "=" + EscapedIniValue(value);
    const std::string heading = "[" + EscapedKey(group) + "]\n";
    std::string result;
    std::size_t copied = 0;
    bool inGroup = group.empty();
    bool replaced = false;
    bool openAtEnd = false;
    std::optional<std::size_t> lastHeaderEnd;
    std::optional<std::size_t> firstHeader;
    for (const IniLine& line : SplitIniLines(text, &openAtEnd)) {
        if (text[line.start] == '[') {
            if (!firstHeader) firstHeader = line.start;
            inGroup = SectionGroup(text, line) == group;
            if (inGroup) lastHeaderEnd = line.end;
        } else if (inGroup && line.equals != std::string_view::npos &&
                   UnescapedKey(KeyText(text, line)) == key) {
            result.append(text.substr(copied, line.start - copied));
            result += written;
            copied = line.end;
            replaced = true;
        }
    }
    result.append(text.substr(copied));
    if (replaced) return result;

    std::string added(text);
    if (group.empty()) {
        // Keys without a group stand before the first section.
        return written + "\n" + added;
    }
    // Whatever is added after a line that ends the text inside a value would
    // join that value.
    if (lastHeaderEnd && !(openAtEnd && *lastHeaderEnd == text.size())) {
        // Right after the last "[group]" line, on a line of its own.
        std::size_t at = *lastHeaderEnd;
        while (at < added.size() && added[at] != '\n' && added[at] != '\r')
            ++at;
        if (at + 1 < added.size() && added[at] == '\r' && added[at + 1] == '\n') ++at;
        if (at >= added.size()) {
            added += '\n';
            at = added.size();
        } else {
            ++at;
        }
        return added.insert(at, written + "\n");
    }
    if (!openAtEnd) {
        if (!added.empty() && added.back() != '\n') added += '\n';
        if (!added.empty()) added += '\n';
        return added + heading + written + "\n";
    }
    // So the section goes before the first one instead, or before the keys
    // without a group, which then get their heading.
    if (firstHeader) return added.insert(*firstHeader, heading + written + "\n\n");
    return heading + written + "\n\n[General]\n" + added;
}

}  // namespace lumtrak::platform

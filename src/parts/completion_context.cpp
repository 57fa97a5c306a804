#include "parts/completion_context.h"

#include <algorithm>
#include <array>

#include "model/characters.h"
#include "model/scanning.h"

namespace lumtrak::parts {
namespace {

using model::Cursor;

struct PartWord {
    std::string_view word;
    int values;     // the values before the name
    bool sideTags;  // a side tag may stand before the name
};

constexpr std::array<PartWord, 6> kPartWords = {{
    {"include", 3, true},
    {"tilt", 3, true},
    {"wheel", 5, true},
    {"motion1", 3, false},
    {"motion2", 6, false},
    {"motion3", 6, false},
}};

bool IsWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '[' ||
           c == ']';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a value begins at pos: digits, after a sign.
bool ValueAt(const model::DefinitionText& line, Cursor pos) {
    if (line[pos] == '-' || line[pos] == '+') ++pos;
    return IsDigit(line[pos]);
}

// Where the name of the part statement that line begins with (from lead)
// starts, when its values stand complete before the end of line, and what
// ends such a name.
struct NameStart {
    Cursor at = 0;
    std::string_view ends;
};

std::optional<NameStart> PartNameStart(const model::DefinitionText& line, Cursor lead) {
    const std::string_view rest = line.Bytes().substr(lead);
    const auto statement = std::find_if(kPartWords.begin(), kPartWords.end(), [&](const auto& w) {
        return model::StartsWithIgnoringCase(rest, w.word);
    });
    if (statement == kPartWords.end()) return std::nullopt;
    Cursor cursor = lead + statement->word.size();
    // A longer word ("includes", "wheelbase") is none of these statements.
    if (cursor < line.End() && IsWordByte(line[cursor])) return std::nullopt;
    model::SkipField(line, cursor);
    for (int value = 0; value < statement->values; ++value) {
        if (cursor >= line.End() || !ValueAt(line, cursor)) return std::nullopt;
        model::SkipField(line, cursor);
    }
    // The last value must be over: a delimiter ended it before the caret.
    if (cursor > line.End()) return std::nullopt;
    if (statement->sideTags && line[cursor] == '[') {
        const std::size_t close = line.Bytes().find(']', cursor);
        if (close == std::string_view::npos) return std::nullopt;
        cursor = close + 1;
        while (line[cursor] == ' ' || line[cursor] == '\t')
            ++cursor;
    }
    if (line[cursor] == '!') ++cursor;
    if (cursor > line.End()) return std::nullopt;
    return NameStart{cursor, statement->sideTags ? "#[" : "#"};
}

}  // namespace

CompletionContext CompletionContextAt(std::string_view text, Cursor caret) {
    caret = std::min(caret, text.size());
    const std::size_t lineEnd = text.substr(0, caret).find_last_of("\r\n");
    const Cursor lineStart = lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
    const model::DefinitionText line(text.substr(lineStart, caret - lineStart));
    auto context = [&](CompletionKind kind, Cursor start) {
        return CompletionContext{kind, lineStart + start, std::string(line.Bytes().substr(start))};
    };

    const std::string_view bytes = line.Bytes();
    if (std::count(bytes.begin(), bytes.end(), '"') % 2 == 1) {
        return context(CompletionKind::TextureName, bytes.rfind('"') + 1);
    }
    Cursor lead = 0;
    while (lead < bytes.size() && (bytes[lead] == ' ' || bytes[lead] == '\t'))
        ++lead;
    if (std::all_of(bytes.begin() + std::ptrdiff_t(lead), bytes.end(), IsWordByte)) {
        return context(CompletionKind::StatementWord, lead);
    }
    if (const auto name = PartNameStart(line, lead)) {
        if (bytes.substr(name->at).find_first_of(name->ends) == std::string_view::npos) {
            return context(CompletionKind::PartName, name->at);
        }
    }
    return {CompletionKind::None, caret, {}};
}

}  // namespace lumtrak::parts

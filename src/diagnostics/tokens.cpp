#include "diagnostics/tokens.h"

#include <algorithm>

#include "model/characters.h"
#include "model/materials.h"
#include "model/scanning.h"
#include "model/statement_words.h"

namespace lumtrak::diagnostics {
namespace {

using model::Cursor;
using model::Statement;

constexpr bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// What ends a field of values, besides blanks.
constexpr bool IsSeparator(char c) {
    return c == ',' || c == '[' || c == ']' || c == '.' || c == '&' || c == ':' || c == '/' ||
           c == '>' || c == '#';
}
// What a fill's tail takes as a modifier by itself.
constexpr bool IsModifierByte(char c) {
    return c == '$' || c == '\xA3' || c == '=' || c == '@' || c == '-';
}

// Where a statement's handler leaves the scan, and whether the loader then
// passes over the byte there (a handler stops on the last byte it read, and
// the scan moves one on).
struct Stop {
    Cursor at = 0;
    bool passOver = false;
};

// The tokens of one line, [start, end), end being its line end or the text's.
// The line is scanned as the loader scans it: statement words are looked for
// at every byte that no statement's reading took, and each statement's
// arguments are read with the loader's own field stepping.
class LineTokens {
  public:
    LineTokens(const model::DefinitionText& text, Cursor start, Cursor end,
               std::vector<Token>& tokens)
        : text_(text), end_(end), emitted_(start), tokens_(tokens) {}

    void Run() {
        Cursor pos = emitted_;
        while (pos < end_) {
            const char c = text_[pos];
            if (IsSpaceOrTab(c)) {
                pos = Run(pos, IsSpaceOrTab, commentTail_ ? TokenKind::Comment : TokenKind::Blank);
            } else if (model::IsCommentStart(text_, pos)) {
                pos = CommentFrom(pos);
            } else if (const Statement statement = model::StatementWordAt(text_, pos);
                       statement == Statement::None || statement == Statement::Comment) {
                Emit(pos + 1, commentTail_ ? TokenKind::Comment : TokenKind::Plain);
                ++pos;
            } else if (statement == Statement::End) {
                pos += model::StatementWord(statement).size();
                Emit(pos, TokenKind::End);
            } else {
                const Cursor wordEnd = pos + model::StatementWord(statement).size();
                Emit(wordEnd, TokenKind::Keyword);
                const Stop stop = Arguments(statement, wordEnd);
                pos = stop.passOver ? PassOver(stop.at) : std::max(stop.at, emitted_);
            }
        }
        Emit(end_, TokenKind::Plain);
    }

  private:
    void Emit(Cursor end, TokenKind kind) {
        end = std::min(end, end_);
        if (end <= emitted_) return;
        const auto length = static_cast<std::uint32_t>(end - emitted_);
        if (!tokens_.empty() && tokens_.back().kind == kind &&
            tokens_.back().offset + tokens_.back().length == emitted_) {
            tokens_.back().length += length;
        } else {
            tokens_.push_back({emitted_, length, kind});
        }
        emitted_ = end;
    }

    template <class Test>
    Cursor Run(Cursor pos, Test test, TokenKind kind) {
        while (pos < end_ && test(text_[pos]))
            ++pos;
        Emit(pos, kind);
        return pos;
    }

    // A comment that the scan reaches runs to the next control byte other than
    // a tab, which is then passed over.
    Cursor CommentFrom(Cursor pos) {
        Cursor end = pos + 1;
        while (end < end_ && !model::IsControlOtherThanTab(text_[end]))
            ++end;
        Emit(end, TokenKind::Comment);
        return end < end_ ? PassOver(end) : end;
    }

    // The byte after a statement's data. A '#' or "//" that ended the data is
    // passed over, and the scan goes on reading the comment's words.
    Cursor PassOver(Cursor at) {
        if (at < emitted_) at = emitted_;
        if (at >= end_) return end_;
        const char c = text_[at];
        if (model::IsCommentStart(text_, at)) {
            commentTail_ = true;
            Emit(at + 1, TokenKind::Comment);
        } else if (IsSpaceOrTab(c)) {
            Emit(at + 1, TokenKind::Blank);
        } else {
            Emit(at + 1, commentTail_ ? TokenKind::Comment : TokenKind::Plain);
        }
        return at + 1;
    }

    // The bytes of values up to end: digits with their sign, separators,
    // blanks, and whatever else stands in a field.
    void EmitValueBytes(Cursor end) {
        end = std::min(end, end_);
        while (emitted_ < end) {
            const Cursor pos = emitted_;
            const char c = text_[pos];
            if (IsDigit(c) ||
                ((c == '-' || c == '+') && pos + 1 < end && IsDigit(text_[pos + 1]))) {
                Cursor digits = pos + 1;
                while (digits < end && IsDigit(text_[digits]))
                    ++digits;
                Emit(digits, TokenKind::Number);
            } else if (IsSeparator(c)) {
                Emit(pos + 1, TokenKind::Separator);
            } else if (IsSpaceOrTab(c)) {
                Emit(pos + 1, TokenKind::Blank);
            } else {
                Emit(pos + 1, TokenKind::Plain);
            }
        }
    }

    // One field as the loader steps over it (SkipField), within the line.
    Cursor Field(Cursor pos) {
        if (pos >= end_) return end_;
        Cursor next = pos;
        model::SkipField(text_, next);
        next = std::min(next, end_);
        EmitValueBytes(next);
        return next;
    }
    Cursor Fields(Cursor pos, int count) {
        for (int i = 0; i < count && pos < end_; ++i)
            pos = Field(pos);
        return pos;
    }

    // The value that a handler reads at pos without stepping over it.
    Cursor LastValue(Cursor pos) {
        Cursor end = pos;
        if (end < end_ && (text_[end] == '-' || text_[end] == '+')) ++end;
        while (end < end_ && IsDigit(text_[end]))
            ++end;
        if (end > pos + 1 || (end == pos + 1 && IsDigit(text_[pos]))) Emit(end, TokenKind::Number);
        return std::max(end, emitted_);
    }

    // Blanks in the loose sense of the property statements: every byte other
    // than the zero byte at or below blank (bytes 0x80 to 0xFF included).
    Cursor LooseBlanks(Cursor pos) {
        while (pos < end_ && text_[pos] != '\0' && model::IsAtOrBelowBlank(text_[pos]))
            ++pos;
        Emit(pos, TokenKind::Blank);
        return pos;
    }

    // Text up to a byte that stop accepts (or the line end), as kind.
    template <class StopAt>
    Cursor TextUntil(Cursor pos, StopAt stopAt, TokenKind kind) {
        while (pos < end_ && !stopAt(text_[pos]))
            ++pos;
        Emit(pos, kind);
        return pos;
    }

    // A name between blanks: leading and trailing blanks and tabs stay blank.
    void EmitTrimmed(Cursor end, TokenKind kind) {
        Run(emitted_, IsSpaceOrTab, TokenKind::Blank);
        Cursor last = end;
        while (last > emitted_ && IsSpaceOrTab(text_[last - 1]))
            --last;
        Emit(last, kind);
        Emit(end, TokenKind::Blank);
    }

    // A side tag from its '[' to its ']' on the line, or to the next blank.
    Cursor SideTag(Cursor pos) {
        Cursor end = pos + 1;
        while (end < end_ && text_[end] != ']' && !model::IsAtOrBelowBlank(text_[end]))
            ++end;
        if (end < end_ && text_[end] == ']') ++end;
        Emit(end, TokenKind::SideTag);
        return end;
    }

    Stop Arguments(Statement statement, Cursor wordEnd) {
        switch (statement) {
            case Statement::Fill:
                return {FillTail(Fields(Field(wordEnd), 12)), true};
            case Statement::Rect:
                return Outline(Fields(Field(wordEnd), 12 + 2));
            case Statement::Line:
                return Outline(Fields(Field(wordEnd), 12 + 2 + 3));
            case Statement::Colour:
                return ColourAlias(wordEnd);
            case Statement::Include:
            case Statement::Tilt:
                return Include(Fields(Field(wordEnd), 3));
            case Statement::Wheel:
                return Include(Fields(Field(wordEnd), 5));
            case Statement::Motion1:
                return Motion(Fields(Field(wordEnd), 3));
            case Statement::Motion2:
            case Statement::Motion3:
                return Motion(Fields(Field(wordEnd), 6));
            case Statement::Number: {
                const Cursor text = Fields(Field(wordEnd), 1);
                return {TextUntil(
                            text, [](char c) { return c == '\0' || c == '#' || c == '['; },
                            TokenKind::PropertyText),
                        true};
            }
            case Statement::Name:
                return {TextUntil(
                            LooseBlanks(wordEnd), [](char c) { return c == '\0'; },
                            TokenKind::DefinitionName),
                        true};
            case Statement::Description:
            case Statement::Sound:
            case Statement::Unit:
                return {
                    TextUntil(LooseBlanks(wordEnd), model::IsBelowBlank, TokenKind::PropertyText),
                    true};
            case Statement::Wheelbase:
            case Statement::Length:
            case Statement::BrakeRate:
                return {LastValue(LooseBlanks(wordEnd)), false};
            case Statement::Te:
            case Statement::Power:
            case Statement::Weight:
            case Statement::Max:
                return {TextUntil(LastValue(LooseBlanks(wordEnd)), model::IsBelowBlank,
                                  TokenKind::PropertyText),
                        true};
            case Statement::Cab:
            case Statement::Cab2:
                return {LastValue(Fields(Field(wordEnd), 2)), false};
            case Statement::Hide:
            case Statement::Component:
            case Statement::OpenGroup:
            case Statement::CloseGroup:
                return {wordEnd, true};
            default:
                // "linear", "metric", "imperial" read nothing.
                return {wordEnd, false};
        }
    }

    // The tail of a fill, item by item, up to a comment or the line end.
    Cursor FillTail(Cursor pos) {
        while (pos < end_) {
            const char c = text_[pos];
            if (model::IsCommentStart(text_, pos)) return pos;
            if (c == '"') {
                Cursor close = pos + 1;
                while (close < end_ && text_[close] != '"' && text_[close] != '\0')
                    ++close;
                if (close < end_ && text_[close] == '"') ++close;
                Emit(close, TokenKind::TextureName);
                pos = Fields(close, 3);
            } else if (c == '[') {
                pos = SideTag(pos);
            } else if (c == '.' && pos + 1 < end_ && model::IsAboveBlank(text_[pos + 1]) &&
                       !IsDigit(text_[pos + 1]) && !IsSeparator(text_[pos + 1])) {
                Cursor end = pos + 1;
                while (end < end_ && model::IsAboveBlank(text_[end]) && !IsSeparator(text_[end]) &&
                       text_[end] != '*' && text_[end] != '"' && !IsModifierByte(text_[end]))
                    ++end;
                Emit(end, TokenKind::AliasReference);
                pos = end;
            } else if (c == '*') {
                pos += model::MaterialTextLength(text_, pos);
                Emit(pos, TokenKind::Material);
            } else if (IsDigit(c) ||
                       ((c == '-' || c == '+') && pos + 1 < end_ && IsDigit(text_[pos + 1]))) {
                Cursor digits = pos + 1;
                while (digits < end_ && IsDigit(text_[digits]))
                    ++digits;
                Emit(digits, TokenKind::Number);
                pos = digits;
            } else if (IsModifierByte(c)) {
                Emit(++pos, TokenKind::Modifier);
            } else if (model::StartsWithIgnoringCase(text_, pos, "double") ||
                       model::StartsWithIgnoringCase(text_, pos, "normal")) {
                pos += 6;
                Emit(pos, TokenKind::Modifier);
            } else {
                EmitValueBytes(++pos);
            }
        }
        return pos;
    }

    // The rest of a "rect" or "line" after the colour's last value: passed
    // over up to a side tag, which is read, or a comment.
    Stop Outline(Cursor pos) {
        pos = LastValue(pos);
        while (pos < end_ && !model::IsCommentStart(text_, pos) && text_[pos] != '[') {
            Emit(pos + 1, IsSpaceOrTab(text_[pos]) ? TokenKind::Blank : TokenKind::Plain);
            ++pos;
        }
        if (pos < end_ && text_[pos] == '[') return {SideTag(pos), false};
        return {pos, true};
    }

    // "colour": the alias name, then its value; the scan goes on after them.
    Stop ColourAlias(Cursor wordEnd) {
        const Cursor name = Field(wordEnd);
        const Cursor nameEnd = Run(name, model::IsAboveBlank, TokenKind::AliasName);
        const Cursor value = Field(nameEnd);
        Cursor valueEnd = value;
        while (valueEnd < end_ && model::IsAboveBlank(text_[valueEnd]))
            ++valueEnd;
        EmitValueBytes(valueEnd);
        return {valueEnd, true};
    }

    // An include's side tag, its name and a side tag after the name.
    Stop Include(Cursor pos) {
        if (pos < end_ && text_[pos] == '[') {
            Cursor close = pos;
            while (close < end_ && text_[close] != '\0' && text_[close] != ']')
                ++close;
            if (close < end_ && text_[close] == ']') {
                Emit(close + 1, TokenKind::SideTag);
                pos = Run(close + 1, IsSpaceOrTab, TokenKind::Blank);
            } else {
                // The name begins inside the unclosed tag, where reading it stopped.
                model::SideMask mask;
                Cursor inside = pos;
                model::ReadSideTag(text_, inside, mask);
                Emit(pos + 1, TokenKind::SideTag);
                pos = std::max(std::min(inside, end_), emitted_);
            }
        }
        Cursor nameEnd = pos;
        while (nameEnd < end_ && text_[nameEnd] != '\0' && text_[nameEnd] != '#' &&
               text_[nameEnd] != '[')
            ++nameEnd;
        EmitTrimmed(nameEnd, TokenKind::PartName);
        if (nameEnd < end_ && text_[nameEnd] == '[') return {SideTag(nameEnd), false};
        return {nameEnd, true};
    }

    Stop Motion(Cursor pos) {
        Cursor nameEnd = pos;
        while (nameEnd < end_ && text_[nameEnd] != '\0' && text_[nameEnd] != '#')
            ++nameEnd;
        EmitTrimmed(nameEnd, TokenKind::PartName);
        return {nameEnd, true};
    }

    const model::DefinitionText& text_;
    const Cursor end_;
    Cursor emitted_;
    std::vector<Token>& tokens_;
    // The data of a statement ended at a comment: what the scan does not take
    // from the rest of the line is comment.
    bool commentTail_ = false;
};

Cursor LineEndFrom(std::string_view text, Cursor pos) {
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n')
        ++pos;
    return pos;
}

}  // namespace

void AppendTokens(std::string_view bytes, std::size_t from, std::size_t to,
                  std::vector<Token>& tokens) {
    const model::DefinitionText text(bytes);
    to = std::min(to, bytes.size());
    for (Cursor pos = std::min(from, bytes.size()); pos < to;) {
        const Cursor lineEnd = LineEndFrom(bytes, pos);
        LineTokens(text, pos, lineEnd, tokens).Run();
        if (lineEnd == bytes.size()) break;
        const Cursor next =
            bytes[lineEnd] == '\r' && lineEnd + 1 < bytes.size() && bytes[lineEnd + 1] == '\n'
                ? lineEnd + 2
                : lineEnd + 1;
        const auto length = static_cast<std::uint32_t>(next - lineEnd);
        if (!tokens.empty() && tokens.back().kind == TokenKind::Blank &&
            tokens.back().offset + tokens.back().length == lineEnd) {
            tokens.back().length += length;
        } else {
            tokens.push_back({lineEnd, length, TokenKind::Blank});
        }
        pos = next;
    }
}

std::vector<Token> Tokenize(std::string_view text, std::size_t from, std::size_t to) {
    std::vector<Token> tokens;
    tokens.reserve(std::min(text.size(), to) / 4 + 16);
    AppendTokens(text, from, to, tokens);
    return tokens;
}

std::size_t LineStartOf(std::string_view text, std::size_t pos) {
    pos = std::min(pos, text.size());
    const auto before = text.find_last_of("\r\n", pos == 0 ? 0 : pos - 1);
    if (pos == 0 || before == std::string_view::npos) return 0;
    return before + 1;
}

}  // namespace lumtrak::diagnostics

#include "support/json_value.h"

#include <cstdlib>
#include <stdexcept>

namespace lumtrak::testing {

class JsonParser {
  public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonValue ParseDocument() {
        JsonValue value = ParseValue();
        SkipSpace();
        if (pos_ != text_.size()) Fail("trailing text");
        return value;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(pos_));
    }
    void SkipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }
    char Peek() {
        SkipSpace();
        if (pos_ >= text_.size()) Fail("unexpected end");
        return text_[pos_];
    }
    void Expect(char c) {
        if (Peek() != c) Fail(std::string("expected ") + c);
        ++pos_;
    }
    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    JsonValue ParseValue() {
        JsonValue value;
        const char c = Peek();
        if (c == '{') {
            auto object = std::make_shared<JsonValue::Object>();
            ++pos_;
            if (Peek() != '}') {
                do {
                    std::string key = ParseString();
                    Expect(':');
                    (*object)[key] = ParseValue();
                } while (Peek() == ',' && ++pos_);
            }
            Expect('}');
            value.value_ = object;
        } else if (c == '[') {
            auto array = std::make_shared<JsonValue::Array>();
            ++pos_;
            if (Peek() != ']') {
                do {
                    array->push_back(ParseValue());
                } while (Peek() == ',' && ++pos_);
            }
            Expect(']');
            value.value_ = array;
        } else if (c == '"') {
            value.value_ = ParseString();
        } else if (Literal("true")) {
            value.value_ = true;
        } else if (Literal("false")) {
            value.value_ = false;
        } else if (Literal("null")) {
            value.value_ = std::monostate{};
        } else {
            const std::string rest(text_.substr(pos_, 64));
            char* end = nullptr;
            const double number = std::strtod(rest.c_str(), &end);
            if (end == rest.c_str()) Fail("bad value");
            pos_ += std::size_t(end - rest.c_str());
            value.value_ = number;
        }
        return value;
    }

    std::string ParseString() {
        Expect('"');
        std::string bytes;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            unsigned code = static_cast<unsigned char>(text_[pos_++]);
            if (code == '\\') {
                const char e = text_.at(pos_++);
                switch (e) {
                    case 'n':
                        code = '\n';
                        break;
                    case 'r':
                        code = '\r';
                        break;
                    case 't':
                        code = '\t';
                        break;
                    case 'b':
                        code = '\b';
                        break;
                    case 'f':
                        code = '\f';
                        break;
                    case 'u':
                        code =
                            unsigned(std::stoul(std::string(text_.substr(pos_, 4)), nullptr, 16));
                        pos_ += 4;
                        break;
                    default:
                        code = static_cast<unsigned char>(e);
                }
            } else if (code >= 0x80) {
                // Two-byte UTF-8 sequences cover U+0080 to U+07FF.
                if ((code & 0xE0) != 0xC0) Fail("code point beyond U+07FF");
                code = ((code & 0x1F) << 6) | (static_cast<unsigned char>(text_.at(pos_++)) & 0x3F);
            }
            if (code > 0xFF) Fail("code point beyond U+00FF");
            bytes += static_cast<char>(code);
        }
        Expect('"');
        return bytes;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

JsonValue JsonValue::Parse(std::string_view text) {
    return JsonParser(text).ParseDocument();
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    const auto& members = Members();
    auto found = members.find(std::string(key));
    if (found == members.end()) throw std::runtime_error("JSON: no member " + std::string(key));
    return found->second;
}

bool JsonValue::Has(std::string_view key) const {
    return Members().count(std::string(key)) != 0;
}

std::size_t JsonValue::Size() const {
    if (std::holds_alternative<std::shared_ptr<Array>>(value_)) return Items().size();
    return Members().size();
}

std::vector<std::int64_t> JsonValue::Ints() const {
    std::vector<std::int64_t> ints;
    for (const auto& item : Items())
        ints.push_back(item.Int());
    return ints;
}

}  // namespace lumtrak::testing

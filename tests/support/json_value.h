#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumtrak::testing {

// A parsed JSON value, for checking what the command line prints. Strings come
// back as the bytes they stand for: code points up to U+00FF become one byte.
class JsonValue {
  public:
    using Array = std::vector<JsonValue>;
    using Object = std::map<std::string, JsonValue>;

    static JsonValue Parse(std::string_view text);  // throws std::runtime_error

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsNumber() const { return std::holds_alternative<double>(value_); }
    double Number() const { return std::get<double>(value_); }
    std::int64_t Int() const { return static_cast<std::int64_t>(Number()); }
    bool Bool() const { return std::get<bool>(value_); }
    const std::string& String() const { return std::get<std::string>(value_); }
    const Array& Items() const { return *std::get<std::shared_ptr<Array>>(value_); }
    const Object& Members() const { return *std::get<std::shared_ptr<Object>>(value_); }

    const JsonValue& operator[](std::string_view key) const;  // throws when missing
    const JsonValue& operator[](std::size_t index) const { return Items().at(index); }
    std::size_t Size() const;
    bool Has(std::string_view key) const;

    // [a, b, c] of integers
    std::vector<std::int64_t> Ints() const;

  private:
    friend class JsonParser;
    std::variant<std::monostate, bool, double, std::string, std::shared_ptr<Array>,
                 std::shared_ptr<Object>>
        value_;
};

}  // namespace lumtrak::testing

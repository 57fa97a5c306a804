#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::cli {

// Writes one JSON document. Strings are definition bytes: byte b stands for the
// code point U+00bb, written as UTF-8.
class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view bytes);
    JsonWriter& Int(std::int64_t value);
    JsonWriter& Double(double value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    const std::string& Text() const { return out_; }

  private:
    void BeforeValue();
    void WriteString(std::string_view bytes);

    std::string out_;
    std::vector<bool> needsComma_;
    bool afterKey_ = false;
};

}  // namespace lumtrak::cli

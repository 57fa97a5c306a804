#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the tool dialogs read and show their fields. Text fields take whatever
// number the text starts with; integer and decimal fields accept a number and
// nothing else, so that the dialog can refuse to close on anything else.
namespace lumtrak::tools {

// A text field: its leading number as atoi reads it; text that is not a number
// gives 0.
std::int32_t TextFieldValue(std::string_view text);

// An integer field: blanks, an optional sign, decimal digits, blanks; nothing
// when the text is anything else or lies beyond the 32-bit range.
std::optional<std::int32_t> IntegerFieldValue(std::string_view text);

// A single-precision decimal field: blanks, an optional sign, digits with an
// optional decimal point and exponent, blanks; nothing when the text is
// anything else or the value lies beyond the single-precision range.
std::optional<float> FloatFieldValue(std::string_view text);

// An integer as an integer field shows it.
std::string IntegerFieldText(std::int64_t value);
// A single-precision value in its short form, six significant digits ("0.7",
// "1e+07").
std::string FloatFieldText(float value);

}  // namespace lumtrak::tools

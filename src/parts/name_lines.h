#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::parts {

// The name that a line defines when it starts (after blanks) with the word
// "name" (any case): the rest of the line after the blanks, without blanks at
// its end; empty for any other line.
std::string NameOfLine(std::string_view line);

// The names that the lines of text define, in text order, empty ones left out.
std::vector<std::string> NamesDefinedIn(std::string_view text);

}  // namespace lumtrak::parts

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The INI text of the programs' settings files, as the Qt windows read and
// write them: "[group]" lines, then "key=value" lines. Keys and groups are
// written with characters other than letters, digits, '_', '-' and '.'
// escaped as %XX; values are escaped with backslashes and put in double quotes
// when they hold ',', ';' or '=' or begin or end with a blank, and a value
// beginning with '@' gets a second one. A ';' at the start of a line begins a
// comment; a backslash before a line end and double quotes carry a value over
// several lines.
namespace lumtrak::platform {

// The value of group/key in text: the last one when the key stands more than
// once. None when it is missing or holds a list (an unquoted ','). Group and
// key are ASCII.
std::optional<std::string> ReadIniValue(std::string_view text, std::string_view group,
                                        std::string_view key);

// text with group/key set to value: every line of the key in the group is
// rewritten, or the key is added at the end of the group's last section, or
// the section at the end of the text. Every other byte is kept.
std::string SetIniValue(std::string_view text, std::string_view group, std::string_view key,
                        std::string_view value);

// The value as written after '=' (exposed for tests).
std::string EscapedIniValue(std::string_view value);

}  // namespace lumtrak::platform

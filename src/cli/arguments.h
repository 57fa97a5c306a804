#pragma once

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::cli {

// Bad command-line usage: reported on one line, exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Any other failure of a command: exit status 1.
class CommandFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name;  // with its dashes: "--sel", "-o"
    bool takesValue = false;
    std::string help;
};

// The operands a command takes: none, one FILE, or any number (also none).
enum class FileArgument { None, Required, Any };

// The options and operand of one command line after the command word.
class Arguments {
  public:
    bool Has(std::string_view option) const { return values_.count(std::string(option)) != 0; }
    std::optional<std::string> Value(std::string_view option) const;
    const std::string& File() const { return file_; }
    // Every operand, in order (FileArgument::Any).
    const std::vector<std::string>& Files() const { return files_; }
    // Whether --help or -h stood where an option may stand (not as a value).
    bool HelpRequested() const { return helpRequested_; }

    // Parses args against the options; `--opt value` and `--opt=value` are both
    // accepted and a value may begin with '-' (so `--opt -h` is a value). Help
    // ends the parsing: what follows it is not looked at. Throws UsageError.
    static Arguments Parse(std::span<const std::string> args,
                           const std::vector<OptionSpec>& options, FileArgument file);

  private:
    std::map<std::string, std::string> values_;
    std::string file_;
    std::vector<std::string> files_;
    bool hasFile_ = false;
    bool helpRequested_ = false;
};

// Whole-number option values; malformed ones are usage errors naming the option.
long long ParseInteger(std::string_view option, std::string_view text);
// "WxH"
std::pair<int, int> ParseSize(std::string_view option, std::string_view text);

}  // namespace lumtrak::cli

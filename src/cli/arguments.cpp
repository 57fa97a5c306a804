#include "cli/arguments.h"

#include <charconv>

namespace lumtrak::cli {

std::optional<std::string> Arguments::Value(std::string_view option) const {
    auto found = values_.find(std::string(option));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

Arguments Arguments::Parse(std::span<const std::string> args,
                           const std::vector<OptionSpec>& options, FileArgument file) {
    Arguments parsed;
    auto findOption = [&](std::string_view name) -> const OptionSpec* {
        for (const auto& option : options) {
            if (option.name == name) return &option;
        }
        return nullptr;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool looksLikeOption = arg.size() > 1 && arg[0] == '-';
        if (!looksLikeOption) {
            if (file == FileArgument::None || (file == FileArgument::Required && parsed.hasFile_)) {
                throw UsageError("unexpected argument '" + arg + "'");
            }
            if (!parsed.hasFile_) parsed.file_ = arg;
            parsed.files_.push_back(arg);
            parsed.hasFile_ = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto equals = arg.find('=');
            equals != std::string::npos && arg.rfind("--", 0) == 0) {
            name = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
        }
        if (name == "--help" || name == "-h") {
            if (inlineValue) throw UsageError("option " + name + " takes no value");
            parsed.helpRequested_ = true;
            return parsed;
        }
        const OptionSpec* option = findOption(name);
        if (option == nullptr) throw UsageError("unknown option " + name);
        if (!option->takesValue) {
            if (inlineValue) throw UsageError("option " + name + " takes no value");
            parsed.values_[name] = "";
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) throw UsageError("option " + name + " needs a value");
            inlineValue = args[++i];
        }
        parsed.values_[name] = *inlineValue;
    }
    if (file == FileArgument::Required && !parsed.hasFile_) {
        throw UsageError("missing FILE");
    }
    return parsed;
}

long long ParseInteger(std::string_view option, std::string_view text) {
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) {
        throw UsageError("malformed value '" + std::string(text) + "' for " + std::string(option));
    }
    return value;
}

std::pair<int, int> ParseSize(std::string_view option, std::string_view text) {
    const auto x = text.find('x');
    if (x == std::string_view::npos) {
        throw UsageError("malformed size '" + std::string(text) + "' for " + std::string(option));
    }
    const long long width = ParseInteger(option, text.substr(0, x));
    const long long height = ParseInteger(option, text.substr(x + 1));
    if (width <= 0 || height <= 0 || width > 100000 || height > 100000) {
        throw UsageError("size out of range for " + std::string(option));
    }
    return {int(width), int(height)};
}

}  // namespace lumtrak::cli

#pragma once

#include <map>
#include <string>
#include <vector>

namespace lumtrak::testing {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with arguments, feeding input to its standard input, and
// collects its exit status and both outputs. environment adds to (or, with an
// empty value, removes from) the inherited environment.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = {},
                         const std::map<std::string, std::string>& environment = {},
                         const std::string& workingFolder = {});

}  // namespace lumtrak::testing

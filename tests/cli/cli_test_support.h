#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/run_process.h"

namespace lumtrak::testing {

// Runs the built lumtrak-stock. LUMTRAK_PROGRAM_DIR is removed from its
// environment unless the test sets it.
ProcessResult RunStock(const std::vector<std::string>& arguments, const std::string& input = {},
                       std::map<std::string, std::string> environment = {},
                       std::chrono::milliseconds deadline = kProcessDeadline);

// The same, started in workingFolder.
ProcessResult RunStockIn(const std::string& workingFolder,
                         const std::vector<std::string>& arguments, const std::string& input = {},
                         std::chrono::milliseconds deadline = kProcessDeadline);

inline const std::string kSamplesFolder = LUMTRAK_SAMPLES_DIR;

}  // namespace lumtrak::testing

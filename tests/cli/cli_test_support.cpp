#include "cli/cli_test_support.h"

namespace lumtrak::testing {

ProcessResult RunStock(const std::vector<std::string>& arguments, const std::string& input,
                       std::map<std::string, std::string> environment,
                       std::chrono::milliseconds deadline) {
    environment.try_emplace("LUMTRAK_PROGRAM_DIR", "");
    return RunProcess(LUMTRAK_STOCK_EXE, arguments, input, environment, {}, deadline);
}

ProcessResult RunStockIn(const std::string& workingFolder,
                         const std::vector<std::string>& arguments, const std::string& input,
                         std::chrono::milliseconds deadline) {
    return RunProcess(LUMTRAK_STOCK_EXE, arguments, input, {{"LUMTRAK_PROGRAM_DIR", ""}},
                      workingFolder, deadline);
}

}  // namespace lumtrak::testing

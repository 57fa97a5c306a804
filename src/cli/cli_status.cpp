#include "cli/cli_status.h"

#include <string>

#include "cli/common_options.h"

namespace lumtrak::cli {

void CliStatusSink::ShowStatus(std::string_view text) {
    if (verbose_) WriteStdout(std::string(text) + "\n");
}

}  // namespace lumtrak::cli

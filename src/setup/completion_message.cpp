#include "setup/completion_message.h"

#include <algorithm>

namespace lumtrak::setup {

std::string CompletionText(const InstallReport& report, std::size_t maxLines) {
    std::string text = kSetupComplete;
    if (report.problems.empty()) return text;
    text += "\n\nNot done:";
    const std::size_t shown = std::min(maxLines, report.problems.size());
    for (std::size_t i = 0; i < shown; ++i) {
        text += "\n" + report.problems[i];
    }
    if (shown < report.ProblemCount()) {
        text += "\n... and " + std::to_string(report.ProblemCount() - shown) + " more";
    }
    return text;
}

std::string ProblemDetails(const InstallReport& report) {
    std::string details;
    for (const auto& problem : report.problems) {
        details += problem + "\n";
    }
    if (report.moreProblems > 0) {
        details += "... and " + std::to_string(report.moreProblems) + " more\n";
    }
    return details;
}

}  // namespace lumtrak::setup

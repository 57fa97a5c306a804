#pragma once

#include <cstddef>
#include <string>

#include "setup/installation.h"

namespace lumtrak::setup {

// The text of the message that ends an installation: "Setup Complete", followed
// by what was not done, at most maxLines lines of it and a count of the rest.
std::string CompletionText(const InstallReport& report, std::size_t maxLines);

// Every line of what was not done that the report kept, one a line, then a
// count of those it did not keep. Empty when everything was done.
std::string ProblemDetails(const InstallReport& report);

}  // namespace lumtrak::setup

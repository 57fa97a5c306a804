#pragma once

#include <cstddef>
#include <string>

#include "setup/installation.h"

namespace lumtrak::setup {

// The text of the message that ends an installation: "Setup Complete", followed
// by what was not done, at most maxLines lines of it and a count of the rest.
std::string CompletionText(const InstallReport& report, std::size_t maxLines);

}  // namespace lumtrak::setup

#pragma once

#include <string>
#include <string_view>

#include "tools/rewrite_result.h"

namespace lumtrak::tools {

// The whole text after a tool ran on it and its result was put back.
inline std::string After(std::string_view text, const RewriteResult& result) {
    return ApplyRewrite(text, result);
}

// The selection of the whole text.
inline Selection All(std::string_view text) {
    return {0, text.size()};
}

}  // namespace lumtrak::tools

#pragma once

#include <QString>
#include <string>

namespace lumtrak::testing {

// A test's UTF-8 text as Qt's string, short enough to use inline.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace lumtrak::testing

#pragma once

#include "model/definition_text.h"
#include "model/statement_words.h"

namespace lumtrak::model {

// Whether the statement places a part by its name: "include", "tilt", "wheel",
// "motion1", "motion2" or "motion3".
constexpr bool NamesPart(Statement statement) {
    switch (statement) {
        case Statement::Include:
        case Statement::Tilt:
        case Statement::Wheel:
        case Statement::Motion1:
        case Statement::Motion2:
        case Statement::Motion3:
            return true;
        default:
            return false;
    }
}

constexpr bool IsMotion(Statement statement) {
    return statement == Statement::Motion1 || statement == Statement::Motion2 ||
           statement == Statement::Motion3;
}

// A statement that names a part, where the loader read it in its text.
struct PartStatementRead {
    Statement statement = Statement::None;
    Cursor start = 0;  // its word
    // The name as the loader takes it, blanks trimmed; a leading '!' (turned
    // round) is part of it.
    Cursor nameStart = 0;
    Cursor nameEnd = 0;
    bool operator==(const PartStatementRead&) const = default;
};

}  // namespace lumtrak::model

#pragma once

#include <compare>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What a check of definition text reports: problems, each with its place,
// severity, code and text.
namespace lumtrak::diagnostics {

enum class Severity {
    Error,    // the previews leave something out
    Warning,  // they show it, probably not as meant
    Note,
};

// "error", "warning" or "note".
std::string_view SeverityName(Severity severity);

enum class ProblemCode {
    IncludeNotFound,
    IncludeUnreadable,
    IncludeCycle,
    IncludeTooDeep,
    IncludeBudget,
    NameTrailingBlank,
    TextureNotFound,
    TextureUnreadable,
    ColourAliasNotFound,
    CabFirstLine,
    ValueWraps,
    GroupNotClosed,
    FillOverrun,
    PanelsBeyond2DLimit,
    IgnoredText,
};

// A code as reports write it ("include-not-found"), its severity, and the
// pattern of its text in English: "%1", "%2"... stand for its arguments.
struct ProblemKind {
    ProblemCode code;
    std::string_view name;
    Severity severity;
    std::string_view pattern;
};

const ProblemKind& KindOf(ProblemCode code);
std::span<const ProblemKind> ProblemKinds();

// The pattern of a problem that lies in an included part, reported at the
// include: "%1" the part's name, "%2" its file, "%3" the line there, "%4" the
// problem's own text.
inline constexpr std::string_view kInPartPattern = "in part '%1' (%2:%3): %4";

// pattern with "%1"... replaced by the arguments, in one pass (an argument
// that holds "%2" itself stays as it is).
std::string FillPattern(std::string_view pattern, std::span<const std::string> arguments);

// Where a problem found in an included part stands there.
struct PartPlace {
    std::string name;  // the include's name
    std::string file;
    std::size_t line = 0;
    auto operator<=>(const PartPlace&) const = default;
};

struct Problem {
    std::string file;
    std::size_t offset = 0;  // bytes from the start of the file
    std::size_t length = 0;  // the bytes it concerns
    std::size_t line = 0;    // from 1
    std::size_t column = 0;  // bytes, from 1
    ProblemCode code = ProblemCode::IgnoredText;
    std::vector<std::string> arguments;
    std::optional<PartPlace> part;

    Severity GetSeverity() const { return KindOf(code).severity; }
    std::string_view CodeName() const { return KindOf(code).name; }
    // The text in English: the kind's pattern filled, inside kInPartPattern
    // for a problem in an included part.
    std::string Text() const;

    bool operator==(const Problem&) const = default;
};

// "FILE:LINE:COLUMN: SEVERITY: TEXT [CODE]"
std::string ProblemLine(const Problem& problem);

// Orders problems by file and position, and drops repetitions (a text read by
// two overlapping definitions, a part's problem met again at the same include).
void SortProblems(std::vector<Problem>& problems);

// Whether any problem is an error or a warning.
bool HasErrorsOrWarnings(std::span<const Problem> problems);

}  // namespace lumtrak::diagnostics

#include "diagnostics/problem.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace lumtrak::diagnostics {
namespace {

using C = ProblemCode;
using S = Severity;

constexpr std::array<ProblemKind, 15> kKinds{{
    {C::IncludeNotFound, "include-not-found", S::Error,
     "part '%1' is defined neither in this text nor in \"Stock Index\": nothing is placed"},
    {C::IncludeUnreadable, "include-unreadable", S::Error,
     "part '%1': a file that \"Stock Index\" names for it cannot be read: nothing is placed"},
    {C::IncludeCycle, "include-cycle", S::Warning,
     "part '%1' leads back to a definition that is being loaded: it is left out"},
    {C::IncludeTooDeep, "include-too-deep", S::Warning,
     "part '%1' is included more than %2 levels deep: it is left out"},
    {C::IncludeBudget, "include-budget", S::Warning,
     "the load's include budget runs out here: further includes place nothing"},
    {C::NameTrailingBlank, "name-trailing-blank", S::Warning,
     "the name '%1' ends in a blank: an include from another file does not find it"},
    {C::TextureNotFound, "texture-not-found", S::Warning,
     "texture '%1' is in none of the texture folders: the face shows white"},
    {C::TextureUnreadable, "texture-unreadable", S::Warning,
     "texture '%1' is no bitmap that the 3D preview reads: the face shows white"},
    {C::ColourAliasNotFound, "colour-alias-not-found", S::Warning,
     "colour alias '%1' matches no \"colour\" statement before it in this definition"},
    {C::CabFirstLine, "cab-first-line", S::Warning,
     "\"%1\" on the first line of the text counts for nothing"},
    {C::ValueWraps, "value-wraps", S::Warning,
     "the coordinate comes to %1 model units, more than 16 bits hold: it wraps to %2"},
    {C::GroupNotClosed, "group-not-closed", S::Warning,
     "the group opened here is not closed: its panels are not shown"},
    {C::FillOverrun, "fill-overrun", S::Warning, "the fill runs past the end of the text"},
    {C::PanelsBeyond2DLimit, "panels-beyond-2d-limit", S::Note,
     "the 2D preview's front view draws 510 panels and leaves out %1; this is the first of them "
     "in the text"},
    {C::IgnoredText, "ignored-text", S::Note, "the loader takes nothing from this line"},
}};

}  // namespace

std::string_view SeverityName(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            break;
    }
    return "note";
}

const ProblemKind& KindOf(ProblemCode code) {
    return kKinds[static_cast<std::size_t>(code)];
}

std::span<const ProblemKind> ProblemKinds() {
    return kKinds;
}

std::string FillPattern(std::string_view pattern, std::span<const std::string> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                text += arguments[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string Problem::Text() const {
    std::string own = FillPattern(KindOf(code).pattern, arguments);
    if (!part) return own;
    const std::array<std::string, 4> inPart{part->name, part->file, std::to_string(part->line),
                                            std::move(own)};
    return FillPattern(kInPartPattern, inPart);
}

std::string ProblemLine(const Problem& problem) {
    return problem.file + ":" + std::to_string(problem.line) + ":" +
           std::to_string(problem.column) + ": " +
           std::string(SeverityName(problem.GetSeverity())) + ": " + problem.Text() + " [" +
           std::string(problem.CodeName()) + "]";
}

void SortProblems(std::vector<Problem>& problems) {
    auto key = [](const Problem& p) {
        return std::tie(p.file, p.offset, p.code, p.arguments, p.part, p.length);
    };
    std::stable_sort(problems.begin(), problems.end(),
                     [&](const Problem& a, const Problem& b) { return key(a) < key(b); });
    problems.erase(std::unique(problems.begin(), problems.end()), problems.end());
}

bool HasErrorsOrWarnings(std::span<const Problem> problems) {
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.GetSeverity() != Severity::Note; });
}

}  // namespace lumtrak::diagnostics

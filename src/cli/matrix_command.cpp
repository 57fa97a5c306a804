#include <charconv>
#include <cmath>

#include "cli/tool_command.h"
#include "tools/matrix_transformation.h"

namespace lumtrak::cli {
namespace {

// --m: twelve single-precision values separated by commas, row by row.
tools::TransformMatrix MatrixOption(const Arguments& arguments) {
    tools::TransformMatrix matrix;
    const auto value = arguments.Value("--m");
    if (!value) return matrix;
    std::vector<float> numbers;
    std::string_view rest = *value;
    for (;;) {
        const auto comma = rest.find(',');
        std::string_view field = rest.substr(0, comma);
        if (!field.empty() && field.front() == '+') field.remove_prefix(1);
        float number = 0;
        const auto [end, error] =
            std::from_chars(field.data(), field.data() + field.size(), number);
        if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
            !std::isfinite(number)) {
            throw UsageError("malformed value '" + std::string(rest.substr(0, comma)) +
                             "' for --m");
        }
        numbers.push_back(number);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    if (numbers.size() != matrix.m.size()) {
        throw UsageError("option --m needs 12 values separated by commas, not " +
                         std::to_string(numbers.size()));
    }
    std::copy(numbers.begin(), numbers.end(), matrix.m.begin());
    return matrix;
}

}  // namespace

Command MatrixCommand() {
    return ToolCommand({
        "matrix",
        "transform the points of the selected panels by a 3 x 4 matrix",
        "[--m m11,m12,m13,m14,m21,m22,m23,m24,m31,m32,m33,m34]",
        {{"--m", true, "the matrix, row by row (single-precision values; default all 0)"}},
        [](const Arguments& arguments) -> ToolRun {
            const auto matrix = MatrixOption(arguments);
            return [matrix](std::string_view text, tools::Selection selection) {
                return tools::MatrixTransformation(text, selection, matrix);
            };
        },
    });
}

}  // namespace lumtrak::cli

#include "tools/matrix_transformation.h"

#include <array>

#include "model/wrapping.h"
#include "tools/point_map_rewrite.h"

namespace lumtrak::tools {

using model::TruncateToInt32;

namespace {

// One row of the matrix, each float widened exactly to double once.
struct WideRow {
    double x;
    double y;
    double z;
    double constant;
};

using WideMatrix = std::array<WideRow, 3>;

WideMatrix Widened(const TransformMatrix& matrix) {
    WideMatrix wide{};
    for (int row = 1; row <= 3; ++row) {
        wide[static_cast<std::size_t>(row - 1)] = {
            double(matrix.At(row, 1)), double(matrix.At(row, 2)), double(matrix.At(row, 3)),
            double(matrix.At(row, 4))};
    }
    return wide;
}

// trunc(((x * mi1 + mi4) + y * mi2) + z * mi3) in double precision. Every step
// is a statement of its own so that no compiler fuses a product and a sum into
// one rounding.
std::int32_t TransformedAxis(const WideRow& row, const Point& point) {
    const double xTerm = double(point.x) * row.x;
    const double withConstant = xTerm + row.constant;
    const double yTerm = double(point.y) * row.y;
    const double withY = withConstant + yTerm;
    const double zTerm = double(point.z) * row.z;
    const double sum = withY + zTerm;
    return TruncateToInt32(sum);
}

Point Transformed(const WideMatrix& matrix, const Point& point) {
    return {TransformedAxis(matrix[0], point), TransformedAxis(matrix[1], point),
            TransformedAxis(matrix[2], point)};
}

}  // namespace

RewriteResult MatrixTransformation(std::string_view text, Selection selection,
                                   const TransformMatrix& matrix) {
    selection = ClampSelection(selection, text.size());
    const WideMatrix wide = Widened(matrix);
    std::string rewritten = RewriteCompleteLists(text, selection, [&](RewriteScan& scan) {
        // The list's points are written together and appended at once.
        std::array<char, 4 * kLongestPoint> points;
        char* next = points.data();
        for (int slot = scan.FirstSlot(); slot <= 4; ++slot)
            next = WritePoint(next, Transformed(wide, scan.Held(slot)));
        scan.Output().append(points.data(), static_cast<std::size_t>(next - points.data()));
    });
    return RewriteResult::Replace(selection, std::move(rewritten));
}

}  // namespace lumtrak::tools

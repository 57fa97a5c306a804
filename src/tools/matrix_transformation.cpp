#include "tools/matrix_transformation.h"

#include "tools/int32_arithmetic.h"
#include "tools/point_map_rewrite.h"

namespace lumtrak::tools {
namespace {

// trunc(((x * mi1 + mi4) + y * mi2) + z * mi3) in double precision, each float
// widened exactly. Every step is a statement of its own so that no compiler fuses
// a product and a sum into one rounding.
std::int32_t TransformedAxis(const TransformMatrix& matrix, int row, const Point& point) {
    const double xTerm = double(point.x) * double(matrix.At(row, 1));
    const double withConstant = xTerm + double(matrix.At(row, 4));
    const double yTerm = double(point.y) * double(matrix.At(row, 2));
    const double withY = withConstant + yTerm;
    const double zTerm = double(point.z) * double(matrix.At(row, 3));
    const double sum = withY + zTerm;
    return TruncateToInt32(sum);
}

Point Transformed(const TransformMatrix& matrix, const Point& point) {
    return {TransformedAxis(matrix, 1, point), TransformedAxis(matrix, 2, point),
            TransformedAxis(matrix, 3, point)};
}

}  // namespace

RewriteResult MatrixTransformation(std::string_view text, Selection selection,
                                   const TransformMatrix& matrix) {
    selection = ClampSelection(selection, text.size());
    std::string rewritten = RewriteCompleteLists(text, selection, [&](RewriteScan& scan) {
        for (int slot = scan.FirstSlot(); slot <= 4; ++slot)
            AppendPoint(scan.Output(), Transformed(matrix, scan.Held(slot)));
    });
    return RewriteResult::Replace(selection, std::move(rewritten));
}

}  // namespace lumtrak::tools

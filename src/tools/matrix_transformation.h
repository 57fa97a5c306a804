#pragma once

#include <array>
#include <string_view>

#include "tools/rewrite_result.h"

namespace lumtrak::tools {

// A 3 x 4 matrix of single-precision values, row by row: m11 m12 m13 m14, m21 ...
// m34. Row i gives result axis i (W, L, H); columns 1 to 3 multiply W, L and H,
// column 4 is the constant.
struct TransformMatrix {
    std::array<float, 12> m{};
    float At(int row, int column) const {
        return m[static_cast<std::size_t>((row - 1) * 4 + (column - 1))];
    }
};

// Matrix Transformation: every point of the Fill, Rect and Line statements becomes
// the matrix times (W, L, H, 1), truncated toward zero.
RewriteResult MatrixTransformation(std::string_view text, Selection selection,
                                   const TransformMatrix& matrix);

}  // namespace lumtrak::tools
